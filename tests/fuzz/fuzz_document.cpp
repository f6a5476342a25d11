// Opens arbitrary bytes as a document. A document that is accepted must
// save again, and what was saved must open again and save to the same
// bytes: nothing that opening lets in may break saving or drift from one
// save to the next.

#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

PlaneModel* plane = nullptr;

void fail(const char* what)
{
    std::fprintf(stderr, "fuzz_document: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Qt must not see libFuzzer's options; panels need a GUI application
    // for their drawings, and no display is wanted.
    static int argc = 1;
    static char name[] = "fuzz_document";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);
    static QTemporaryDir imported;
    WingFoils::createInstance(QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/foils_v2"), imported.path());
    plane = PlaneModel::instance();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!plane->loadFromString(bytes, SerializeableIf::FILE_LOAD))
        return 0;
    std::string saved;
    if (!plane->save(saved))
        fail("an accepted document cannot be saved");
    if (!plane->loadFromString(saved, SerializeableIf::FILE_LOAD))
        fail("a saved document is refused");
    std::string savedAgain;
    if (!plane->save(savedAgain) || savedAgain != saved)
        fail("saving a saved document again changes it");
    return 0;
}
