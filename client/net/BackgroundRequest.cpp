#include "BackgroundRequest.h"

#include "Numbers.h"
#include "RequestCycle.h"

#include <utility>

BackgroundRequest::BackgroundRequest(QObject* pParent) : QObject(pParent) {
    m_deadline.setSingleShot(true);
    auto Failed = [this](const QString& strWhy) {
        Outcome outcome;
        outcome.strWhy = strWhy;
        Finish(std::move(outcome));
    };
    connect(&m_deadline, &QTimer::timeout, this, [Failed] {
        //: Why a request made in the background failed; it ends a sentence of the
        //: status bar, after a colon, so it begins in lower case.
        Failed(tr("the server does not answer"));
    });
    connect(&m_http, &HTTPRequest::ConnectFailed, this, [Failed] {
        //: Why a request made in the background failed; it ends a sentence of the
        //: status bar, after a colon, so it begins in lower case.
        Failed(tr("the server cannot be reached"));
    });
    connect(&m_http, &HTTPRequest::ClosedWithoutReply, this, [Failed] {
        //: Why a request made in the background failed; it ends a sentence of the
        //: status bar, after a colon, so it begins in lower case.
        Failed(tr("the server closed the connection"));
    });
    connect(&m_http, &HTTPRequest::UntrustedCertificate, this, [Failed] {
        //: Why a request made in the background failed; it ends a sentence of the
        //: status bar, after a colon, so it begins in lower case.
        Failed(tr("the server's certificate is not trusted"));
    });
    auto Answered = [this] {
        Outcome outcome;
        outcome.bAnswered = true;
        outcome.iCode = zorv::ReadInt16(m_http.strResultCode.toStdString());
        outcome.strPayload = std::exchange(m_http.strHTTPData, QString());
        Finish(std::move(outcome));
    };
    connect(&m_http, &HTTPRequest::GotResults, this, Answered);
    connect(&m_http, &HTTPRequest::Error, this, Answered);
}

BackgroundRequest::~BackgroundRequest() {
    Stop();
}

void BackgroundRequest::Start(const RequestCycle& cycle, const Request& request, int iDeadlineMs,
                              Done done) {
    Stop();
    m_done = std::move(done);
    m_deadline.start(iDeadlineMs);
    cycle.StartOnChannel(m_http, request);
}

void BackgroundRequest::Stop() {
    m_deadline.stop();
    m_done = nullptr;
    m_http.Clear();
}

void BackgroundRequest::Finish(Outcome outcome) {
    if (!m_done)
        return;
    // Ended before the handler runs: it may start the next request at once.
    Done done = std::exchange(m_done, nullptr);
    m_deadline.stop();
    m_http.Clear();
    done(outcome);
}
