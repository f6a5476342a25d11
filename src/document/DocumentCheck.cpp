#include "document/DocumentCheck.h"

#include "document/DocumentLimits.h"
#include "document/PlaneModel.h"
#include "planformixdata.pb.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// The checks speak for the plane model, which refuses the document.
QString tr(const char* text)
{
    return QCoreApplication::translate("PlaneModel", text);
}

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), int(text.size()));
}

// Every float anywhere in the message, view records included; a NaN or an
// infinity would travel into rib outlines, drawings and printed pages. A
// finite limit also refuses numbers so large that sums and products of them
// overflow on the way into the geometry.
bool allNumbersFinite(const google::protobuf::Message& message,
                      double limit = std::numeric_limits<double>::infinity())
{
    const auto fits = [limit](double value) { return std::isfinite(value) && std::fabs(value) <= limit; };
    using google::protobuf::FieldDescriptor;
    const google::protobuf::Reflection* reflection = message.GetReflection();
    std::vector<const FieldDescriptor*> fields;
    reflection->ListFields(message, &fields);
    for (const FieldDescriptor* field : fields) {
        switch (field->cpp_type()) {
        case FieldDescriptor::CPPTYPE_FLOAT:
            if (field->is_repeated()) {
                for (int i = 0; i < reflection->FieldSize(message, field); ++i)
                    if (!fits(reflection->GetRepeatedFloat(message, field, i)))
                        return false;
            } else if (!fits(reflection->GetFloat(message, field))) {
                return false;
            }
            break;
        case FieldDescriptor::CPPTYPE_DOUBLE:
            if (field->is_repeated()) {
                for (int i = 0; i < reflection->FieldSize(message, field); ++i)
                    if (!fits(reflection->GetRepeatedDouble(message, field, i)))
                        return false;
            } else if (!fits(reflection->GetDouble(message, field))) {
                return false;
            }
            break;
        case FieldDescriptor::CPPTYPE_MESSAGE:
            if (field->is_repeated()) {
                for (int i = 0; i < reflection->FieldSize(message, field); ++i)
                    if (!allNumbersFinite(reflection->GetRepeatedMessage(message, field, i), limit))
                        return false;
            } else if (!allNumbersFinite(reflection->GetMessage(message, field), limit)) {
                return false;
            }
            break;
        default:
            break;
        }
    }
    return true;
}

// Every name anywhere in the message (the plane's, a panel's, a spar's, an
// airfoil's, a view's) within the bound the editors keep to.
bool allNamesFit(const google::protobuf::Message& message)
{
    using google::protobuf::FieldDescriptor;
    const auto fits = [](const std::string& text) {
        // A name of no more bytes than the bound has no more characters.
        return text.size() <= std::size_t(DocumentLimits::maxNameLength)
               || fromUtf8(text).size() <= DocumentLimits::maxNameLength;
    };
    const google::protobuf::Reflection* reflection = message.GetReflection();
    std::vector<const FieldDescriptor*> fields;
    reflection->ListFields(message, &fields);
    for (const FieldDescriptor* field : fields) {
        if (field->cpp_type() == FieldDescriptor::CPPTYPE_STRING) {
            std::string scratch;
            if (field->is_repeated()) {
                for (int i = 0; i < reflection->FieldSize(message, field); ++i)
                    if (!fits(reflection->GetRepeatedStringReference(message, field, i, &scratch)))
                        return false;
            } else if (!fits(reflection->GetStringReference(message, field, &scratch))) {
                return false;
            }
        } else if (field->cpp_type() == FieldDescriptor::CPPTYPE_MESSAGE) {
            if (field->is_repeated()) {
                for (int i = 0; i < reflection->FieldSize(message, field); ++i)
                    if (!allNamesFit(reflection->GetRepeatedMessage(message, field, i)))
                        return false;
            } else if (!allNamesFit(reflection->GetMessage(message, field))) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

long long DocumentCheck::ribsBuilt(const PanelMessage& panel)
{
    if (panel.noofribs() <= 1)
        return 0;
    return panel.riblist_size() > 0 ? panel.riblist_size() : panel.noofribs();
}

bool DocumentCheck::isBuildable(const serializedPlanformixData& document, QString& problem)
{
    // Counted first and alone, so that a document far beyond the bounds is
    // refused before its numbers are walked.
    DocumentLimits::Size size;
    int number = 1;
    for (const PanelMessage& panel : document.panels()) {
        const long long ribs = ribsBuilt(panel);
        problem = DocumentLimits::panelProblem(number++, ribs, panel.sparlist_size(),
                                               panel.sheeting().sheetingstriplist_size(), panel.comblist_size());
        if (!problem.isEmpty())
            return false;
        size += DocumentLimits::panelSize(
            ribs, panel.sparlist_size(), panel.sheeting().sheetingstriplist_size(), panel.comblist_size(),
            panel.sheeting().sheetingtype() == PanelMessage::sheetingDefinition::Advanced);
        // A rib list is read even where the count lets no rib be built.
        if (panel.riblist_size() > DocumentLimits::maxRibsPerPanel) {
            problem = DocumentLimits::panelProblem(number - 1, panel.riblist_size(), 0, 0, 0);
            return false;
        }
    }
    problem = DocumentLimits::planeProblem(size);
    if (!problem.isEmpty())
        return false;

    const auto isDimension = [](float value) {
        return value >= PlaneModel::minPanelDimension && value <= PlaneModel::maxPanelDimension;
    };
    const auto withinDimension = [](float value) { return std::fabs(value) <= PlaneModel::maxPanelDimension; };
    number = 1;
    for (const PanelMessage& panel : document.panels()) {
        if (!isDimension(panel.length()) || !isDimension(panel.rootchord()) || !isDimension(panel.tipchord())) {
            problem = tr("Panel %1: its length or a chord is out of range.").arg(number);
            return false;
        }
        if (!withinDimension(panel.sweep()) || !withinDimension(panel.tiptwist())
            || !withinDimension(panel.dihedralangle())) {
            problem = tr("Panel %1: its sweep, twist or dihedral is out of range.").arg(number);
            return false;
        }
        if (!withinDimension(panel.ribthickness())
            || !(std::fabs(panel.rootairfoilfactor()) <= PlaneModel::maxAirfoilFactor)
            || !(std::fabs(panel.tipairfoilfactor()) <= PlaneModel::maxAirfoilFactor)) {
            problem = tr("Panel %1: its rib thickness or an airfoil factor is out of range.").arg(number);
            return false;
        }
        // Spar, strip, comb, edge and covering sizes are millimetres, degrees
        // or percentages like the panel's own; none the editor can make comes
        // near this bound.
        if (!allNumbersFinite(panel, PlaneModel::maxPanelDimension)) {
            problem = tr("Panel %1: a size of a spar, strip, comb, edge or covering is out of range.").arg(number);
            return false;
        }
        if (!allNamesFit(panel)) {
            problem = tr("Panel %1: a name is longer than %2 characters.")
                          .arg(number)
                          .arg(DocumentLimits::maxNameLength);
            return false;
        }
        for (const auto& rib : panel.riblist()) {
            if (!withinDimension(rib.position()) || !withinDimension(rib.thickness())) {
                problem = tr("Panel %1: a rib position or thickness is out of range.").arg(number);
                return false;
            }
        }
        ++number;
    }
    if (!allNamesFit(document)) {
        problem = tr("A name in the document is longer than %1 characters.").arg(DocumentLimits::maxNameLength);
        return false;
    }
    if (!allNumbersFinite(document)) {
        problem = tr("A number in the document is not finite.");
        return false;
    }
    return true;
}
