#include "app/PlanformixApplication.h"
#include "foundation/MemoryReserve.h"

#include <google/protobuf/stubs/common.h>

int main(int argc, char** argv)
{
    // Checks the runtime against the headers the document code was really
    // generated and compiled with; fixed numbers of an older release would
    // refuse every current runtime.
    GOOGLE_PROTOBUF_VERIFY_VERSION;
    // Taken first, while memory is plentiful: a refusal for want of memory
    // later needs some to say so.
    MemoryReserve::keep();

    PlanformixApplication app(argc, argv);
    return app.runProgram(argc, argv);
}
