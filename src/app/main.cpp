#include "app/PlanformixApplication.h"

#include <google/protobuf/stubs/common.h>

int main(int argc, char** argv)
{
    // Checks the runtime against the headers the document code was really
    // generated and compiled with; fixed numbers of an older release would
    // refuse every current runtime.
    GOOGLE_PROTOBUF_VERIFY_VERSION;

    PlanformixApplication app(argc, argv);
    return app.runProgram(argc, argv);
}
