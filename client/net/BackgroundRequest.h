#pragma once
// One request that the user did not start (the live tree's watch and its recovery, the sheet's
// look-up of who changed a record), on an exchange of its own beside the user's request cycle:
// no status text, no busy pointer, no message box, never dropped by the user's requests and
// never dropping one. Every request started ends in exactly one call of its Done handler: the
// reply (its result code says success or refusal), or a failure with its reason (the server
// cannot be reached, closed without a reply, has an untrusted certificate, or did not answer
// within the deadline). Starting again, or Stop, drops the request under way without a call.
#include "HTTPRequest.h"

#include <QObject>
#include <QTimer>
#include <functional>

class RequestCycle;
struct Request;

class BackgroundRequest final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BackgroundRequest)
public:
    struct Outcome {
        bool bAnswered = false; // a framed reply arrived; else strWhy says what went wrong
        qint16 iCode = 0;       // the result code, when answered
        QString strPayload;     // the text after the result code, the stop marker included
        QString strWhy;
        bool Ok() const { return bAnswered && iCode >= 800 && iCode <= 899; }
    };
    using Done = std::function<void(const Outcome&)>;

    explicit BackgroundRequest(QObject* pParent = nullptr);
    ~BackgroundRequest() override;

    // Sends request under the cycle's current login to its current server; done is called once,
    // at the latest iDeadlineMs after the start.
    void Start(const RequestCycle& cycle, const Request& request, int iDeadlineMs, Done done);
    void Stop();
    bool Running() const { return static_cast<bool>(m_done); }
    // The exchange, for watching its events.
    const HTTPRequest& Channel() const { return m_http; }

private:
    void Finish(Outcome outcome);

    HTTPRequest m_http;
    QTimer m_deadline;
    Done m_done;
};
