// Reads arbitrary bytes as an airfoil file. An outline the reader accepts
// must have the library's stations and finite coordinates within a chord
// of the chord line (and the rounding of the crossings); anything else
// must be refused without harm.

#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "foundation/Vector3D.h"

#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

QTemporaryDir* scratch = nullptr;
WingFoils* library = nullptr;

void fail(const char* what)
{
    std::fprintf(stderr, "fuzz_airfoil: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    scratch = new QTemporaryDir;
    library = new WingFoils;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = scratch->filePath(QStringLiteral("input.dat"));
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        fail("cannot write the input file");

    const std::unique_ptr<Airfoil> airfoil(library->loadAirfoilFile(path, AirfoilFileType::Dat));
    if (!airfoil)
        return 0;
    if (airfoil->getPointCount() != Airfoil::PointCount)
        fail("an accepted airfoil has the wrong number of points");
    for (const Vector3D* point : airfoil->getCoords())
        if (!std::isfinite(point->getX()) || !std::isfinite(point->getY()))
            fail("an accepted airfoil has a coordinate that is not finite");
        else if (std::fabs(point->getY()) > 1.001f)
            fail("an accepted airfoil lies further off its chord line than its chord is long");
    return 0;
}
