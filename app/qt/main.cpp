#include "app/qt/Startup.h"

int main(int argc, char* argv[])
{
    return runQuorvi(argc, argv, QStringLiteral(QUORVI_SERVICE_BASE_URL));
}
