#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace activation {

// The running copy's side of org.freedesktop.Application: serves the
// interface on the session bus, at the object path derived from the
// application id and under the id as bus name, and turns each request into a
// signal. The signals are queued, so a caller has its answer at once, however
// long the window then takes; they arrive in any event loop, including the
// window's DoEvents.
class ApplicationService : public QObject {
    Q_OBJECT
public:
    explicit ApplicationService(const QString& appId, QObject* parent = nullptr);
    ~ApplicationService() override;

    // Serves the interface and takes the bus name. False without a session bus
    // or when another connection owns the name; nothing stays registered then.
    bool registerOnSessionBus();

signals:
    void activateRequested(const QString& startupToken);
    // Only local files; an Open that names none of them asks to activate.
    void openRequested(const QStringList& localFiles, const QString& startupToken);

private:
    friend class ApplicationAdaptor;
    void activate(const QVariantMap& platformData);
    void open(const QStringList& uris, const QVariantMap& platformData);

    QString appId_;
    bool registered_ = false;
};

} // namespace activation
