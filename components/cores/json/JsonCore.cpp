#include "components/cores/common/EntryPoints.h"
#include "components/cores/json/JsonCoreObject.h"

NETCOMP_DEFINE_ENTRY_POINTS(NetComp_JSON_, netcomp::json::JsonCoreObject)
