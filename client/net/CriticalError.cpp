#include "CriticalError.h"

#include "MessagePrompts.h"

#include <QCoreApplication>
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
        strText = QCoreApplication::translate("CriticalError", "Out of memory");
    } catch (const std::out_of_range&) {
        iNumber = 9;
        strText = QCoreApplication::translate("CriticalError", "Subscript out of range");
    } catch (const std::overflow_error&) {
        iNumber = 6;
        strText = QCoreApplication::translate("CriticalError", "Overflow");
    } catch (const std::range_error&) {
        iNumber = 6;
        strText = QCoreApplication::translate("CriticalError", "Overflow");
    } catch (const std::invalid_argument&) {
        iNumber = 5;
        strText =
            QCoreApplication::translate("CriticalError", "Invalid procedure call or argument");
    } catch (const std::exception& e) {
        iNumber = 1000;
        //: %1 is the description the failure carries.
        strText = QCoreApplication::translate("CriticalError", "Application-defined error: %1")
                      .arg(QString::fromUtf8(e.what()));
    } catch (...) {
        iNumber = 1001;
        strText = QCoreApplication::translate("CriticalError", "Unknown failure");
    }
}

} // namespace

void ReportCriticalError(MessagePrompts& prompts, const QString& strProcedure, int iNumber,
                         const QString& strDescription) {
    //: %1 is the name of the procedure that failed, %2 the failure's number and %3 its
    //: description, %4 the support address.
    const QString strText = QCoreApplication::translate(
                                "CriticalError", "A critical error has occured!\r\n"
                                                 "Occurred in: %1\r\n"
                                                 "Description: %2 %3\r\n"
                                                 "Please send an email with this information to %4")
                                .arg(strProcedure, QString::number(iNumber), strDescription,
                                     QLatin1String(kSupportAddress));
    prompts.Message(strText, MessagePrompts::Buttons::Ok, MessagePrompts::Icon::Critical,
                    QCoreApplication::translate("CriticalError", "Critical Error!"));
}

void ReportCriticalError(MessagePrompts& prompts, const QString& strProcedure,
                         std::exception_ptr pError) {
    int iNumber = 0;
    QString strText;
    Classify(pError, iNumber, strText);
    ReportCriticalError(prompts, strProcedure, iNumber, strText);
}
