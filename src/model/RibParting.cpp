#include "model/RibParting.h"

#include "model/RibDefinition.h"

namespace {

int pieceCount(const RibDefinition& rib)
{
    return 1 + int(rib.getFurtherPieces().size());
}

} // namespace

bool RibParting::told(const RibDefinition& rib)
{
    return rib.isParted() || rib.outlineCrossed() || rib.outlineFault() != RibDefinition::OutlineFault::None;
}

QString RibParting::ribNote(const RibDefinition& rib, int number)
{
    QString note;
    if (rib.isParted()) {
        if (rib.partingSpar() > 0)
            note = tr("Rib %1 is parted by the slot of spar %2 and cut as %3 pieces.")
                       .arg(number)
                       .arg(rib.partingSpar())
                       .arg(pieceCount(rib));
        else if (rib.partedBySheets())
            note = tr("Rib %1 is parted by the sheeting and cut as %2 pieces.").arg(number).arg(pieceCount(rib));
        else
            note = tr("Rib %1 is parted where its cuts meet and cut as %2 pieces.").arg(number).arg(pieceCount(rib));
    }
    if (rib.outlineCrossed()) {
        const QString crossed = tr("The outline of rib %1 crosses itself: check it before cutting.").arg(number);
        note = note.isEmpty() ? crossed : note + ' ' + crossed;
    }
    if (rib.outlineFault() == RibDefinition::OutlineFault::NarrowFeature) {
        const QString narrow =
            tr("Rib %1 holds a feature narrower than 0.5 mm at its front: check it before cutting.").arg(number);
        note = note.isEmpty() ? narrow : note + ' ' + narrow;
    }
    return note;
}

QString RibParting::rowNote(const RibDefinition& rib)
{
    QString note;
    if (rib.isParted()) {
        if (rib.partingSpar() > 0)
            note = tr("Parted by the slot of spar %1: %2 pieces.").arg(rib.partingSpar()).arg(pieceCount(rib));
        else if (rib.partedBySheets())
            note = tr("Parted by the sheeting: %1 pieces.").arg(pieceCount(rib));
        else
            note = tr("Parted where its cuts meet: %1 pieces.").arg(pieceCount(rib));
    }
    if (rib.outlineCrossed()) {
        const QString crossed = tr("The outline crosses itself: check it before cutting.");
        note = note.isEmpty() ? crossed : note + ' ' + crossed;
    }
    if (rib.outlineFault() == RibDefinition::OutlineFault::NarrowFeature) {
        const QString narrow = tr("A feature narrower than 0.5 mm at its front: check it before cutting.");
        note = note.isEmpty() ? narrow : note + ' ' + narrow;
    }
    return note;
}
