#include "SheetFields.h"

#include "Grid.h"
#include "SheetViews.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

std::vector<SheetField> SheetFieldTable(SheetViews& v) {
    using zorv::RecordField;
    return {
        {RecordField::Name, v.txtName},
        {RecordField::Level, v.txtLevel},
        {RecordField::Class, v.txtClass},
        {RecordField::Race, v.cmbRace},
        {RecordField::Rank, v.cmbRank},
        {RecordField::Sex, v.cmbSex},
        {RecordField::IsMule, v.optMuleYes, v.optMuleNo},
        {RecordField::MuleFor, v.txtMuleFor},
        {RecordField::Lifestone, v.txtLifestone},
        {RecordField::TiedTo, v.txtTieTo},
        {RecordField::Bio, v.txtBio},
        {RecordField::NumFollowers, v.txtNumFollowers},
        {RecordField::Skills, v.grdSkillGrid},
        {RecordField::RealName, v.txtRealName},
        {RecordField::CityState, v.txtCityState},
        {RecordField::MiscInfo, v.txtMiscRL},
        {RecordField::Email, v.txtEmail},
        {RecordField::ICQ, v.txtICQ},
        {RecordField::IsPK, v.chkPK},
        {RecordField::IsRescue, v.chkRescue},
        {RecordField::IsPrivate, v.chkPrivate},
        {RecordField::CanSummon, v.chkCanSummon},
        {RecordField::MainChar, v.txtMainName},
        {RecordField::Awards, v.txtAwards},
        {RecordField::PatronName, v.lblPatron},
        {RecordField::Path, v.lblPathToMonarch},
    };
}
