#include "model/TableEditRule.h"

#include "foundation/DialogSeam.h"

#include <iostream>

bool TableEditRule::apply(const QString& title, const std::function<bool()>& write,
                          const std::function<void()>& rollback, const Validator& validate)
{
    if (!write()) {
        rollback();
        return false;
    }
    QString message;
    if (validate && !validate(message)) {
        DialogSeam::warning(nullptr, title, message, QMessageBox::Ok);
        rollback();
        return false;
    }
    return true;
}

bool TableEditRule::isEditRole(int role, const char* where)
{
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return true;
    std::cout << "Unknown role in " << where << ": " << role << std::endl;
    return false;
}

QString TableEditRule::ribRangeFaults(int firstRib, int lastRib, int numberOfRibs, bool singleRibAllowed,
                                      const RibRangeTexts& texts)
{
    QString lines;
    if (firstRib < 1)
        lines += texts.firstBelowOne;
    if (firstRib > numberOfRibs)
        lines += texts.firstBeyondRibs;
    if (lastRib > numberOfRibs)
        lines += texts.lastBeyondRibs;
    if (singleRibAllowed ? firstRib > lastRib : firstRib >= lastRib)
        lines += texts.wrongOrder;
    return lines;
}

QString TableEditRule::faultMessage(const QString& what, const QString& name, const QString& lines)
{
    return what + QLatin1Char('"') + name + QLatin1Char('"') + QStringLiteral(": \n\n") + lines;
}
