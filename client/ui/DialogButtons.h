#pragma once
// The OK and Cancel buttons every dialog of the client ends with, named cmdOK and cmdCancel,
// OK the default; returned as a right-aligned row for the dialog's layout.
class QDialog;
class QHBoxLayout;
class QPushButton;

QHBoxLayout* DialogButtons(QDialog* pDialog, QPushButton*& cmdOK, QPushButton*& cmdCancel);
