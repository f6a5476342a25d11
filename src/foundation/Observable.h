#pragma once

#include <QString>
#include <list>

class Observer;

// Tells its observers, in registration order, that it changed. The history
// and modification switches carry no behaviour here: the file manager reads
// them to decide whether a notification stores an undo state or marks the
// document modified.
class Observable
{
public:
    Observable();
    virtual void addObserver(Observer* observer);
    virtual void notifyObservers();
    // Switching on notifies at once, so that whatever changed while the
    // switch was off reaches the observers in one go.
    virtual void setNotificationsEnabled(bool on);
    virtual bool getNotificationsEnabled() const;
    virtual void setHistoryRecordingEnabled(bool on);
    virtual bool getHistoryRecordingEnabled() const;
    virtual void setModificationTrackingEnabled(bool on);
    virtual bool getModificationTrackingEnabled() const;
    // Observers are not owned and outlive the observable.
    virtual ~Observable();

    Observer* findObserverByName(const QString& name) const;
    // In registration order; the document asks its persistent observers
    // for their view records in this order.
    const std::list<Observer*>& getObservers() const { return observers; }

private:
    std::list<Observer*> observers;
    bool notificationsEnabled;
    bool historyRecordingEnabled;
    bool modificationTrackingEnabled;
};
