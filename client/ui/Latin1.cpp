#include "Latin1.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>
#include <algorithm>

namespace {

bool IsLatin1(const QString& strText) {
    return std::all_of(strText.begin(), strText.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

class Latin1Validator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& strInput, int&) const override {
        return IsLatin1(strInput) ? Acceptable : Invalid;
    }
};

} // namespace

void AcceptLatin1Only(QLineEdit* pEdit) {
    pEdit->setValidator(new Latin1Validator(pEdit));
}

void AcceptLatin1Only(QPlainTextEdit* pEdit) {
    QObject::connect(pEdit, &QPlainTextEdit::textChanged, pEdit, [pEdit] {
        const QString strText = pEdit->toPlainText();
        if (IsLatin1(strText))
            return;
        QString strKept;
        strKept.reserve(strText.size());
        for (QChar c : strText)
            if (c.unicode() <= 0xFF)
                strKept += c;
        QTextCursor cursor = pEdit->textCursor();
        const int iPosition = std::min<int>(cursor.position(), strKept.size());
        pEdit->setPlainText(strKept);
        cursor = pEdit->textCursor();
        cursor.setPosition(iPosition);
        pEdit->setTextCursor(cursor);
    });
}
