#pragma once

#include <QString>

#include "foundation/SerializeableIf.h"

class Observable;
class serializedPlanformixData;

// Something that follows an Observable. Persistent observers keep view state
// in the document, routed back to them by name when a document is loaded.
class Observer
{
public:
    Observer(const QString& name, bool persistent);
    virtual ~Observer();

    virtual void observedObjectChanged(Observable* observable) = 0;
    virtual void saveViewData(serializedPlanformixData& data) = 0;
    virtual void loadViewData(const google::protobuf::Message* data,
                              SerializeableIf::hint_t hint) = 0;

    bool isPersistent() const { return persistent; }
    void setPersistent(bool on) { persistent = on; }
    QString getName() const { return name; }
    void setName(const QString& newName) { name = newName; }

private:
    bool persistent;
    QString name;
};
