#pragma once

class TnetHTTP;
class TnetJSON;
class TnetREST;

// The window's five internet components, as sample loading uses them.
struct SampleComponents {
    TnetREST& netREST1;
    TnetJSON& netJSON1;
    TnetHTTP& netHTTP;
    TnetREST& netREST2;
    TnetJSON& netJSON2;
};

// The settings the window gives its components when it is created.
void configureSampleComponents(const SampleComponents& components);
