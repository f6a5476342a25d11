#include "foundation/Observable.h"

#include "foundation/Observer.h"

Observable::Observable()
    : notificationsEnabled(true), historyRecordingEnabled(true), modificationTrackingEnabled(true)
{
}

Observable::~Observable() = default;

void Observable::addObserver(Observer* observer)
{
    observers.push_back(observer);
}

void Observable::notifyObservers()
{
    if (!notificationsEnabled)
        return;
    for (Observer* observer : observers)
        observer->observedObjectChanged(this);
}

void Observable::setNotificationsEnabled(bool on)
{
    notificationsEnabled = on;
    if (on)
        notifyObservers();
}

bool Observable::getNotificationsEnabled() const { return notificationsEnabled; }

void Observable::setHistoryRecordingEnabled(bool on) { historyRecordingEnabled = on; }

bool Observable::getHistoryRecordingEnabled() const { return historyRecordingEnabled; }

void Observable::setModificationTrackingEnabled(bool on) { modificationTrackingEnabled = on; }

bool Observable::getModificationTrackingEnabled() const { return modificationTrackingEnabled; }

Observer* Observable::findObserverByName(const QString& name) const
{
    for (Observer* observer : observers) {
        if (observer->getName() == name)
            return observer;
    }
    return nullptr;
}
