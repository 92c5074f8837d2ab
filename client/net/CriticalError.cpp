#include "CriticalError.h"

#include "MessagePrompts.h"

#include <new>

namespace {

// Our own numbering of run-time failures.
void Classify(std::exception_ptr pError, int& iNumber, QString& strText) {
    try {
        std::rethrow_exception(pError);
    } catch (const ZorvFailure& e) {
        iNumber = e.iNumber;
        strText = QString::fromUtf8(e.what());
    } catch (const std::bad_alloc&) {
        iNumber = 7;
        strText = QStringLiteral("Out of memory");
    } catch (const std::out_of_range&) {
        iNumber = 9;
        strText = QStringLiteral("Subscript out of range");
    } catch (const std::overflow_error&) {
        iNumber = 6;
        strText = QStringLiteral("Overflow");
    } catch (const std::range_error&) {
        iNumber = 6;
        strText = QStringLiteral("Overflow");
    } catch (const std::invalid_argument&) {
        iNumber = 5;
        strText = QStringLiteral("Invalid procedure call or argument");
    } catch (const std::exception& e) {
        iNumber = 1000;
        strText = QStringLiteral("Application-defined error: ") + QString::fromUtf8(e.what());
    } catch (...) {
        iNumber = 1001;
        strText = QStringLiteral("Unknown failure");
    }
}

} // namespace

void ReportCriticalError(MessagePrompts& prompts, const QString& strProcedure, int iNumber,
                         const QString& strDescription) {
    const QString strCrLf = QStringLiteral("\r\n");
    QString strText = QStringLiteral("A critical error has occured!") + strCrLf +
                      QStringLiteral("Occurred in: ") + strProcedure + strCrLf +
                      QStringLiteral("Description: ") + QString::number(iNumber) +
                      QLatin1Char(' ') + strDescription + strCrLf +
                      QStringLiteral("Please send an email with this information to ") +
                      QLatin1String(kSupportAddress);
    prompts.Message(strText, MessagePrompts::Buttons::Ok, MessagePrompts::Icon::Critical,
                    QStringLiteral("Critical Error!"));
}

void ReportCriticalError(MessagePrompts& prompts, const QString& strProcedure,
                         std::exception_ptr pError) {
    int iNumber = 0;
    QString strText;
    Classify(pError, iNumber, strText);
    ReportCriticalError(prompts, strProcedure, iNumber, strText);
}
