#include "output/PrintSettings.h"

bool PrintSettings::operator==(const PrintSettings& other) const
{
    return printerName == other.printerName && pageSize.isEquivalentTo(other.pageSize)
           && pageSize.isValid() == other.pageSize.isValid() && marginTop == other.marginTop
           && marginBottom == other.marginBottom && marginLeft == other.marginLeft
           && marginRight == other.marginRight && fileName == other.fileName && directory == other.directory
           && printToFile == other.printToFile && landscape == other.landscape && valid == other.valid;
}
