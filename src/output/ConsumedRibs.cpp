#include "output/ConsumedRibs.h"

#include "model/Panel.h"
#include "model/RibDefinition.h"

#include <QCoreApplication>
#include <QStringList>
#include <map>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ConsumedRibs", text);
}

} // namespace

std::vector<int> ConsumedRibs::numbersIn(const Panel& panel)
{
    std::vector<int> numbers;
    int number = 0;
    for (const RibDefinition& rib : panel.getRibList().getRibs()) {
        ++number;
        if (rib.consumedBySheets())
            numbers.push_back(number);
    }
    return numbers;
}

QString ConsumedRibs::runsOf(const std::vector<int>& numbers)
{
    QStringList runs;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t end = i;
        while (end + 1 < numbers.size() && numbers[end + 1] == numbers[end] + 1)
            ++end;
        QString run = QString::number(numbers[i]);
        // Two neighbours read better as a pair than as a run.
        if (end == i + 1)
            run += ", " + QString::number(numbers[end]);
        else if (end > i + 1)
            run += QChar(0x2013) + QString::number(numbers[end]);
        runs << run;
        i = end + 1;
    }
    return runs.join(", ");
}

QString ConsumedRibs::panelNote(const Panel& panel)
{
    const std::vector<int> numbers = numbersIn(panel);
    if (numbers.empty())
        return QString();
    const QString text = numbers.size() == 1 ? tr("Rib %1 of panel '%2': the sheeting leaves nothing to build.")
                                             : tr("Ribs %1 of panel '%2': the sheeting leaves nothing to build.");
    return text.arg(runsOf(numbers), panel.getPanelName());
}

QStringList ConsumedRibs::planeNotes(const std::list<Panel*>& panels)
{
    QStringList notes;
    for (const Panel* panel : panels) {
        const QString note = panelNote(*panel);
        if (!note.isEmpty())
            notes << note;
    }
    return notes;
}

QString ConsumedRibs::rowNote()
{
    return tr("The sheeting leaves nothing of this rib to build.");
}

QString ConsumedRibs::partedNote(const Panel& panel)
{
    std::map<int, std::vector<int>> bySlot;
    std::vector<int> bySheets;
    std::vector<int> byCuts;
    std::vector<int> crossed;
    std::vector<int> narrow;
    int number = 0;
    for (const RibDefinition& rib : panel.getRibList().getRibs()) {
        ++number;
        if (rib.isParted()) {
            if (rib.partingSpar() > 0)
                bySlot[rib.partingSpar()].push_back(number);
            else if (rib.partedBySheets())
                bySheets.push_back(number);
            else
                byCuts.push_back(number);
        }
        if (rib.outlineCrossed())
            crossed.push_back(number);
        if (rib.outlineFault() == RibDefinition::OutlineFault::NarrowFeature)
            narrow.push_back(number);
    }
    QStringList sentences;
    const QString name = panel.getPanelName();
    if (!bySheets.empty())
        sentences << (bySheets.size() == 1
                          ? tr("Rib %1 of panel '%2' is parted by the sheeting: each piece is cut on its own.")
                          : tr("Ribs %1 of panel '%2' are parted by the sheeting: each piece is cut on its own."))
                         .arg(runsOf(bySheets), name);
    for (const auto& [spar, numbers] : bySlot)
        sentences << (numbers.size() == 1
                          ? tr("Rib %1 of panel '%2' is parted by the slot of spar %3: each piece is cut on its own.")
                          : tr("Ribs %1 of panel '%2' are parted by the slot of spar %3: each piece is cut on its "
                               "own."))
                         .arg(runsOf(numbers), name)
                         .arg(spar);
    if (!byCuts.empty())
        sentences << (byCuts.size() == 1
                          ? tr("Rib %1 of panel '%2' is parted where its cuts meet: each piece is cut on its own.")
                          : tr("Ribs %1 of panel '%2' are parted where their cuts meet: each piece is cut on its "
                               "own."))
                         .arg(runsOf(byCuts), name);
    if (!crossed.empty())
        sentences << (crossed.size() == 1
                          ? tr("The outline of rib %1 of panel '%2' crosses itself: check it before cutting.")
                          : tr("The outlines of ribs %1 of panel '%2' cross themselves: check them before cutting."))
                         .arg(runsOf(crossed), name);
    if (!narrow.empty())
        sentences << (narrow.size() == 1
                          ? tr("Rib %1 of panel '%2' holds a feature narrower than 0.5 mm at its front: check it "
                               "before cutting.")
                          : tr("Ribs %1 of panel '%2' hold a feature narrower than 0.5 mm at their front: check "
                               "them before cutting."))
                         .arg(runsOf(narrow), name);
    return sentences.join(' ');
}

QStringList ConsumedRibs::partedPlaneNotes(const std::list<Panel*>& panels)
{
    QStringList notes;
    for (const Panel* panel : panels) {
        const QString note = partedNote(*panel);
        if (!note.isEmpty())
            notes << note;
    }
    return notes;
}
