#pragma once
// Text travels to the server as Latin-1, one byte a character, so text boxes take only what
// Latin-1 can carry: a line box refuses other characters as they are typed or pasted, a
// multi-line box drops them.
class QLineEdit;
class QPlainTextEdit;

void AcceptLatin1Only(QLineEdit* pEdit);
void AcceptLatin1Only(QPlainTextEdit* pEdit);
