#!/usr/bin/env python3
"""Checks every limit of the demo interpreter documents against the legal limit it stands
for: a concentration typed in "µg/L" or in "mg/L", and a colony count typed in its KBE
unit, must land on the same side of the document's limit as of the legal one.

The program compares value * scale (1000000 for "mg/L", 1000 for any other unit),
rounded to 15 significant digits and read as a 32-bit integer, with MCL * 1000, and
calls the value exceeded exactly when it is greater.
"""
import json
import sys
from decimal import Decimal
from pathlib import Path

INTERPRETER_DIR = Path(__file__).resolve().parents[2] / "demo" / "www" / "interpreter"
CONCENTRATION_UNIT = "µg/L"
COLONY_UNITS = {"KBE/1mL", "KBE/100mL", "KBE/250mL"}
PLACEHOLDERS = ("PARAM", "MCL", "UNIT", "CONCENTRATION")

# Limits of the drinking water ordinance (TrinkwV) and, for pool water, of DIN 19643, in
# the units they are written in there.
LEGAL_LIMITS = {
    "Trinkwasser": {
        "Nitrat": ("50", "mg/L"),
        "Nitrit": ("0.5", "mg/L"),
        "Blei": ("10", "µg/L"),
        "Arsen": ("10", "µg/L"),
        "Kupfer": ("2", "mg/L"),
        "Uran": ("10", "µg/L"),
        "Fluorid": ("1.5", "mg/L"),
        "Nickel": ("20", "µg/L"),
        "Cadmium": ("3", "µg/L"),
        "Sulfat": ("250", "mg/L"),
        "Mangan": ("0.05", "mg/L"),
        "Eisen": ("0.2", "mg/L"),
        "E. coli": ("0", "KBE/100mL"),
        "Enterokokken": ("0", "KBE/100mL"),
        "Coliforme Bakterien": ("0", "KBE/100mL"),
        "Legionellen": ("100", "KBE/100mL"),
    },
    "Badewasser": {
        "Escherichia coli": ("0", "KBE/100mL"),
        "Pseudomonas aeruginosa": ("0", "KBE/100mL"),
        "Legionella species": ("0", "KBE/100mL"),
        "Koloniezahl bei 36 °C": ("100", "KBE/1mL"),
    },
    "Warmwasser Großanlage": {
        "Legionellen": ("100", "KBE/100mL"),
        "Koloniezahl bei 36 °C": ("100", "KBE/1mL"),
    },
}


def prepared_value(value_text, unit):
    product = float(value_text) * (1000000 if unit == "mg/L" else 1000)
    rounded = float(f"{product:.15g}")
    if rounded != int(rounded) or not -2**31 <= rounded < 2**31:
        raise ValueError(f"'{value_text}' in {unit} is no whole number of thousandths")
    return int(rounded)


def program_says_exceeded(value_text, unit, mcl_text):
    return prepared_value(value_text, unit) > float(mcl_text) * 1000


def decimal_text(number):
    return format(number.normalize(), "f")


def typed_values(limit, unit):
    """(value text, unit typed, legally exceeded) for values around a limit; a
    concentration limit is given in µg/L."""
    if unit in COLONY_UNITS:
        counts = sorted({Decimal(0), limit, limit + 1, limit * 2 + 1})
        return [(decimal_text(count), unit, count > limit) for count in counts]
    micrograms = sorted({limit / 2, limit, limit + Decimal("0.001"), limit * Decimal("1.1")})
    cases = []
    for amount in micrograms:
        exceeded = amount > limit
        cases.append((decimal_text(amount), "µg/L", exceeded))
        cases.append((decimal_text(amount / 1000), "mg/L", exceeded))
    return cases


def check_entry(document, entry, legal):
    problems = []
    name, unit, mcl = entry["Param"], entry["Unit"], entry["MCL"]
    number, legal_unit = legal
    expected_unit = legal_unit if legal_unit in COLONY_UNITS else CONCENTRATION_UNIT
    if unit != expected_unit:
        problems.append(f"{document}: {name}: unit {unit!r}, expected {expected_unit!r}")
        return problems
    limit = Decimal(number) * (1000 if legal_unit == "mg/L" else 1)
    for value_text, typed_unit, exceeded in typed_values(limit, unit):
        try:
            verdict = program_says_exceeded(value_text, typed_unit, mcl)
        except ValueError as error:
            problems.append(f"{document}: {name}: {error}")
            continue
        if verdict != exceeded:
            side = "exceeded" if verdict else "within"
            problems.append(f"{document}: {name}: {value_text} {typed_unit} is classified "
                            f"{side} by MCL {mcl}, the legal limit is {number} {legal_unit}")
    for field in ("Param", "MCLLevel1", "MCLOK", "SpecialComment", "Unit"):
        text = entry[field]
        try:
            text.encode("cp1252")
        except UnicodeEncodeError:
            problems.append(f"{document}: {name}: {field} holds a character outside "
                            "Windows-1252")
    for field in ("Param", "Unit"):
        # A placeholder word in a replacement text would be replaced once more.
        if any(word in entry[field] for word in PLACEHOLDERS):
            problems.append(f"{document}: {name}: {field} contains a placeholder word")
    return problems


def main():
    documents = sorted(INTERPRETER_DIR.glob("*.json"))
    problems = []
    checked = 0
    for path in documents:
        members = json.loads(path.read_text(encoding="utf-8"))
        limits = LEGAL_LIMITS.get(path.stem, {})
        entries = [entry for key, entry in members.items() if key not in ("Params", "Introtext")]
        names = [entry["Param"] for entry in entries]
        if sorted(names) != sorted(limits):
            problems.append(f"{path.name}: parameters {names}, legal limits known for "
                            f"{list(limits)}")
        for entry in entries:
            if entry["Param"] in limits:
                problems += check_entry(path.name, entry, limits[entry["Param"]])
                checked += 1
        try:
            members["Introtext"].encode("cp1252")
        except UnicodeEncodeError:
            problems.append(f"{path.name}: Introtext holds a character outside Windows-1252")
    for problem in problems:
        print("FAIL:", problem)
    print(f"{checked} parameters in {len(documents)} documents checked")
    return 1 if problems or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
