#pragma once
// Screen readers read a control by its accessible name. A control a label stands for (its buddy)
// is named after the label's caption; the others get their names where they are built.
class QWidget;

// Names every control below pRoot that has a label as buddy and no name yet: the label's caption
// without its access key's "&" and without a closing ":".
void NameControlsAfterLabels(QWidget* pRoot);
