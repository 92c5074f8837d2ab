#pragma once
// The procedures that start server operations trap a failing step, report it in the
// "Critical Error!" box and go on with their next step:
//
//     ProcedureGuard Step(prompts, "RefreshTree");
//     Step([&] { ... first step ... });
//     Step([&] { ... next step ... });
//
// A failure is any exception a step throws; ReportCriticalError numbers it from our own table.
#include <QString>
#include <exception>
#include <stdexcept>

class MessagePrompts;

// A failure raised deliberately by our own code, with a number of our own table.
class ZorvFailure : public std::runtime_error {
public:
    ZorvFailure(int iNumber, const std::string& strText)
        : std::runtime_error(strText), iNumber(iNumber) {}
    int iNumber;
};

inline constexpr const char* kSupportAddress = "zorv-support@zorv.example";

void ReportCriticalError(MessagePrompts& prompts, const QString& strProcedure, int iNumber,
                         const QString& strDescription);

// Reports an exception caught while running strProcedure.
void ReportCriticalError(MessagePrompts& prompts, const QString& strProcedure,
                         std::exception_ptr pError);

class ProcedureGuard {
public:
    ProcedureGuard(MessagePrompts& prompts, const char* szProcedure)
        : m_prompts(prompts), m_szProcedure(szProcedure) {}

    template <typename Step> void operator()(Step&& step) noexcept {
        try {
            step();
        } catch (...) {
            ReportCriticalError(m_prompts, QString::fromLatin1(m_szProcedure),
                                std::current_exception());
        }
    }

private:
    MessagePrompts& m_prompts;
    const char* m_szProcedure;
};
