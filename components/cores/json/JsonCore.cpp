#include "EntryPoints.h"
#include "JsonCoreObject.h"

NETCOMP_DEFINE_ENTRY_POINTS(NetComp_JSON_, netcomp::json::JsonCoreObject)
