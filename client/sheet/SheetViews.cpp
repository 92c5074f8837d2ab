#include "SheetViews.h"

#include "Accessibility.h"
#include "Build.h"
#include "CharacterRecord.h"
#include "Grid.h"
#include "Latin1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <type_traits>

namespace {

// The style of the application, with half its space around each tab's caption.
class TightTabs final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* pOption,
                    const QWidget* pWidget) const override {
        const int iValue = QProxyStyle::pixelMetric(metric, pOption, pWidget);
        return metric == PM_TabBarTabHSpace ? iValue / 2 : iValue;
    }
};

QLineEdit* Edit(const char* szName, QWidget* pParent) {
    auto* pEdit = Named(new QLineEdit(pParent), szName);
    AcceptLatin1Only(pEdit);
    return pEdit;
}

QPlainTextEdit* Text(const char* szName, QWidget* pParent) {
    auto* pEdit = Named(new QPlainTextEdit(pParent), szName);
    AcceptLatin1Only(pEdit);
    return pEdit;
}

QLabel* Label(const QString& strCaption, const char* szName, QWidget* pParent) {
    return Named(new QLabel(strCaption, pParent), szName);
}

using F = zorv::RecordField;

// A field's caption from the record's table, and as a label writes it: followed by a colon.
QString Caption(F field) {
    return QCoreApplication::translate("Field", zorv::FieldInfo(field).szCaption);
}
QString LabelOf(F field) {
    //: The label before a field of the character sheet; %1 is the field's caption.
    return SheetViews::tr("%1:").arg(Caption(field));
}

QListWidget* TrainingList(const char* szName, QWidget* pParent) {
    auto* pList = Named(new QListWidget(pParent), szName);
    pList->setSortingEnabled(true);
    pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return pList;
}

// A field with a small button beside it.
QHBoxLayout* WithButton(QWidget* pField, QPushButton* pButton) {
    pButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* pRow = new QHBoxLayout;
    pRow->addWidget(pField, 1);
    pRow->addWidget(pButton);
    return pRow;
}

} // namespace

SheetViews::SheetViews(QTabWidget* pTabs) : tabCharInfo(pTabs) {
    cmdSaveChanges = Button(tr("&Save Changes"), "cmdSaveChanges", tabCharInfo);
    cmdResetChanges = Button(tr("R&eset Changes"), "cmdResetChanges", tabCharInfo);
    // A click leaves the focus where it is, so that a value being typed is dropped, not stored.
    cmdResetChanges->setFocusPolicy(Qt::TabFocus);
    // Not modal: the user reads it and goes on editing, or reloads.
    frameRecordChanged = Named(new QFrame, "frameRecordChanged");
    frameRecordChanged->setFrameShape(QFrame::StyledPanel);
    frameRecordChanged->setAutoFillBackground(true);
    frameRecordChanged->setBackgroundRole(QPalette::ToolTipBase);
    lblRecordChanged = Named(new QLabel(frameRecordChanged), "lblRecordChanged");
    lblRecordChanged->setWordWrap(true);
    //: A button: shows the character's record as someone else stored it, dropping one's edits.
    cmdReloadRecord = Button(tr("Reloa&d"), "cmdReloadRecord", frameRecordChanged);
    cmdKeepEditing = Button(tr("&Keep Editing"), "cmdKeepEditing", frameRecordChanged);
    auto* pChangedRow = new QHBoxLayout(frameRecordChanged);
    pChangedRow->addWidget(lblRecordChanged, 1);
    pChangedRow->addWidget(cmdReloadRecord);
    pChangedRow->addWidget(cmdKeepEditing);
    frameRecordChanged->hide();

    // "Basic Info": the labels' array runs Name (0) to Main Character Name (11).
    QWidget* pBasic = AddTab(tabCharInfo, QStringLiteral("Basic Info"), tr("Basic Info"));
    frameBasicInfo = Frame(tr("Character Info"), "frameBasicInfo", pBasic);
    QWidget* f = frameBasicInfo;
    txtName = Edit("txtName", f);
    txtLevel = Edit("txtLevel", f);
    cmbRank = Named(new QComboBox(f), "cmbRank");
    cmbComputedRank = Named(new QComboBox(f), "cmbComputedRank");
    txtClass = Edit("txtClass", f);
    cmbRace = Named(new QComboBox(f), "cmbRace");
    cmbSex = Named(new QComboBox(f), "cmbSex");
    //: A choice of the Is Mule field (game word: a mule is a character kept to carry another's
    //: goods): the character is one.
    optMuleYes = Named(new QRadioButton(tr("Yes"), f), "optMuleYes");
    //: A choice of the Is Mule field (game word: a mule is a character kept to carry another's
    //: goods): the character is not one.
    optMuleNo = Named(new QRadioButton(tr("No"), f), "optMuleNo");
    optMuleNo->setChecked(true);
    txtMuleFor = Edit("txtMuleFor", f);
    cmdMuleForSearch = Button(QStringLiteral("..."), "cmdMuleForSearch", f);
    txtLifestone = Edit("txtLifestone", f);
    txtTieTo = Edit("txtTieTo", f);
    txtMainName = Edit("txtMainName", f);
    cmdMainNameSearchFor = Button(QStringLiteral("..."), "cmdMainNameSearchFor", f);
    chkCanSummon = Named(new QCheckBox(Caption(F::CanSummon), f), "chkCanSummon");
    chkPrivate = Named(new QCheckBox(Caption(F::IsPrivate), f), "chkPrivate");
    chkRescue = Named(new QCheckBox(Caption(F::IsRescue), f), "chkRescue");
    chkPK = Named(new QCheckBox(Caption(F::IsPK), f), "chkPK");
    lblLastModified = Named(new QLabel(LabelOf(F::ModifiedAt), f), "lblBasic10");
    lblLastModified->setWordWrap(true);

    auto* pRaceSex = new QHBoxLayout;
    pRaceSex->addWidget(cmbRace, 1);
    pRaceSex->addWidget(cmbSex, 1);
    auto* pMule = new QHBoxLayout;
    pMule->addWidget(optMuleYes);
    pMule->addWidget(optMuleNo);
    pMule->addStretch();
    auto* pFlags = new QGridLayout;
    pFlags->addWidget(chkCanSummon, 0, 0);
    pFlags->addWidget(chkPrivate, 0, 1);
    pFlags->addWidget(chkRescue, 1, 0);
    pFlags->addWidget(chkPK, 1, 1);
    auto* pForm = new QFormLayout(f);
    auto Row = [&](const QString& strCaption, const char* szName, auto* pField) {
        QLabel* pLabel = Named(new QLabel(strCaption, f), szName);
        pForm->addRow(pLabel, pField);
        if constexpr (std::is_base_of_v<QWidget, std::remove_pointer_t<decltype(pField)>>)
            pLabel->setBuddy(pField);
        return pLabel;
    };
    Row(LabelOf(F::Name), "lblBasic0", txtName);
    Row(LabelOf(F::Level), "lblBasic1", txtLevel);
    Row(LabelOf(F::Rank), "lblBasic2", cmbRank);
    //: The label of the rank worked out from the character's vassals (game word: the characters
    //: sworn to it), beside the rank stored.
    Row(tr("Computed Rank:"), "lblBasic9", cmbComputedRank);
    Row(LabelOf(F::Class), "lblBasic3", txtClass);
    Row(LabelOf(F::Race), "lblBasic4", pRaceSex)->setBuddy(cmbRace);
    Row(LabelOf(F::IsMule), "lblBasic5", pMule)->setBuddy(optMuleYes);
    Row(LabelOf(F::MuleFor), "lblBasic6", WithButton(txtMuleFor, cmdMuleForSearch))
        ->setBuddy(txtMuleFor);
    Row(LabelOf(F::Lifestone), "lblBasic7", txtLifestone);
    Row(LabelOf(F::TiedTo), "lblBasic8", txtTieTo);
    Row(LabelOf(F::MainChar) + QLatin1Char(' '), "lblBasic11",
        WithButton(txtMainName, cmdMainNameSearchFor))
        ->setBuddy(txtMainName);
    pForm->addRow(pFlags);
    pForm->addRow(lblLastModified);
    frameBio = Frame(Caption(F::Bio), "frameBio", pBasic);
    txtBio = Text("txtBio", frameBio);
    txtBio->setMinimumHeight(txtBio->fontMetrics().lineSpacing() * 3);
    (new QVBoxLayout(frameBio))->addWidget(txtBio);
    // The form scrolls when the window is too short for it, rather than squeezing its rows.
    auto* pScroll = new QScrollArea(pBasic);
    pScroll->setObjectName(QStringLiteral("scrollBasicInfo"));
    pScroll->setAccessibleName(tr("Basic Info"));
    pScroll->setFrameShape(QFrame::NoFrame);
    pScroll->setWidgetResizable(true);
    pScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* pBasicContent = new QWidget(pScroll);
    frameBasicInfo->setParent(pBasicContent);
    frameBio->setParent(pBasicContent);
    auto* pBasicLayout = new QVBoxLayout(pBasicContent);
    pBasicLayout->setContentsMargins(0, 0, 0, 0);
    pBasicLayout->addWidget(frameBasicInfo);
    pBasicLayout->addWidget(frameBio, 1);
    pScroll->setWidget(pBasicContent);
    pScroll->setMinimumWidth(pBasicContent->minimumSizeHint().width() +
                             pScroll->verticalScrollBar()->sizeHint().width());
    auto* pBasicPage = new QVBoxLayout(pBasic);
    pBasicPage->setContentsMargins(0, 0, 0, 0);
    pBasicPage->addWidget(pScroll);

    // "Allegiance Info"
    //: A tab of the character sheet (game word: the allegiance is the guild's tree of patrons
    //: and vassals).
    QWidget* pAllegiance =
        AddTab(tabCharInfo, QStringLiteral("Allegiance Info"), tr("Allegiance Info"));
    //: Game word: the allegiance is the guild's tree of patrons and vassals.
    frameAllegianceInfo = Frame(tr("Allegiance Info"), "frameAllegianceInfo", pAllegiance);
    QWidget* a = frameAllegianceInfo;
    lblPatron = Label(QString(), "lblPatron", a);
    //: A button: the character swears to another patron (game word: the character one is
    //: sworn to in the allegiance).
    cmdChangePatron = Button(tr("Change Patron"), "cmdChangePatron", a);
    txtNumFollowers = Edit("txtNumFollowers", a);
    lblNumCountFollowers = Label(QString(), "lblNumCountFollowers", a);
    lblPathToMonarch = Label(QString(), "lblPathToMonarch", a);
    lblPathToMonarch->setWordWrap(true);
    auto* pAllegianceForm = new QFormLayout;
    pAllegianceForm->addRow(LabelOf(F::PatronName), WithButton(lblPatron, cmdChangePatron));
    pAllegianceForm->addRow(LabelOf(F::NumFollowers), txtNumFollowers);
    //: The label of the number of the character's followers (game word: the characters below it
    //: in the allegiance) the tree shows, beside the number stored.
    pAllegianceForm->addRow(tr("Number of Followers in Tree:"), lblNumCountFollowers);
    pAllegianceForm->addRow(LabelOf(F::Path), lblPathToMonarch);
    //: The frame of the list of the character's vassals (game word: the characters sworn to it).
    frameVassals = Frame(tr("Vassals"), "frameVassals", a);
    lstVassals = Named(new QListWidget(frameVassals), "lstVassals");
    //: A button (game word: a vassal is a character sworn to another, its patron).
    cmdAddVassal = Button(tr("Add Vassal"), "cmdAddVassal", frameVassals);
    //: A button (game word: a vassal is a character sworn to another, its patron).
    cmdRemoveVassal = Button(tr("Remove Vassal"), "cmdRemoveVassal", frameVassals);
    auto* pVassalButtons = new QHBoxLayout;
    pVassalButtons->addWidget(cmdAddVassal);
    pVassalButtons->addWidget(cmdRemoveVassal);
    auto* pVassals = new QVBoxLayout(frameVassals);
    pVassals->addWidget(lstVassals);
    pVassals->addLayout(pVassalButtons);
    //: The frame of the part of the allegiance tree around the character: its patron and the
    //: characters below it.
    frameImmediateTree = Frame(tr("Immediate Tree"), "frameImmediateTree", a);
    treImmediateTree = Named(new QTreeView(frameImmediateTree), "treImmediateTree");
    treImmediateTree->setHeaderHidden(true);
    (new QVBoxLayout(frameImmediateTree))->addWidget(treImmediateTree);
    auto* pLists = new QHBoxLayout;
    pLists->addWidget(frameVassals);
    pLists->addWidget(frameImmediateTree);
    auto* pAllegianceInner = new QVBoxLayout(a);
    pAllegianceInner->addLayout(pAllegianceForm);
    pAllegianceInner->addLayout(pLists, 1);
    (new QVBoxLayout(pAllegiance))->addWidget(frameAllegianceInfo);

    // "Skills": the training lists, each with its move buttons, and the value grid.
    QWidget* pSkills = AddTab(tabCharInfo, QStringLiteral("Skills"), tr("Skills"));
    frameSkills = Frame(tr("Skills"), "frameSkills", pSkills);
    tabSkills = Named(new QTabWidget(frameSkills), "tabSkills");
    //: A tab: the skills by how far the character is trained in them.
    QWidget* pTraining = AddTab(tabSkills, QStringLiteral("Training"), tr("Training"));
    lstSpecSkills = TrainingList("lstSpecSkills", pTraining);
    lstTrainedSkills = TrainingList("lstTrainedSkills", pTraining);
    lstUntrainedSkills = TrainingList("lstUntrainedSkills", pTraining);
    lstUnusableSkills = TrainingList("lstUnusableSkills", pTraining);
    //: A button under a list of skills: moves the skills selected to the list of the next lower
    //: training.
    const QString strLower = tr("Lower");
    //: A button under a list of skills: moves the skills selected to the list of the next higher
    //: training.
    const QString strRaise = tr("Raise");
    cmdLSpec = Button(strLower, "cmdLSpec", pTraining);
    cmdRTrained = Button(strRaise, "cmdRTrained", pTraining);
    cmdLTrained = Button(strLower, "cmdLTrained", pTraining);
    cmdRUntrained = Button(strRaise, "cmdRUntrained", pTraining);
    cmdLUntrained = Button(strLower, "cmdLUntrained", pTraining);
    cmdRUnusable = Button(strRaise, "cmdRUnusable", pTraining);
    auto* pTrainingGrid = new QGridLayout(pTraining);
    auto Column = [&](int iColumn, const QString& strCaption, const char* szLabel,
                      QListWidget* pList, QPushButton* pRaise, QPushButton* pLower) {
        QLabel* pLabel = Label(strCaption, szLabel, pTraining);
        pLabel->setBuddy(pList);
        pLabel->setWordWrap(true); // four lists side by side in a narrow sheet
        pTrainingGrid->addWidget(pLabel, 0, iColumn);
        pTrainingGrid->addWidget(pList, 1, iColumn);
        // One above the other and no wider than their captions, so that four lists fit beside
        // each other in a narrow sheet.
        for (QPushButton* pButton : {pRaise, pLower})
            if (pButton)
                pButton->setMinimumWidth(pButton->fontMetrics().horizontalAdvance(pButton->text()) +
                                         16);
        auto* pButtons = new QVBoxLayout;
        if (pRaise)
            pButtons->addWidget(pRaise);
        if (pLower)
            pButtons->addWidget(pLower);
        pButtons->addStretch();
        pTrainingGrid->addLayout(pButtons, 2, iColumn);
        pTrainingGrid->setColumnStretch(iColumn, 1);
    };
    Column(0, tr("Specialized Skills"), "lblSpecSkill", lstSpecSkills, nullptr, cmdLSpec);
    Column(1, tr("Trained Skills"), "lblTrainedSkill", lstTrainedSkills, cmdRTrained, cmdLTrained);
    Column(2, tr("Untrained Skills"), "lblUntrainedSkill", lstUntrainedSkills, cmdRUntrained,
           cmdLUntrained);
    Column(3, tr("Unusable Skills"), "lblUnusableSkill", lstUnusableSkills, cmdRUnusable, nullptr);
    QWidget* pValues = AddTab(tabSkills, QStringLiteral("Skill Values"), tr("Skill Values"));
    grdSkillGrid = new Grid(QStringLiteral("grdSkillGrid"), pValues);
    (new QVBoxLayout(pValues))->addWidget(grdSkillGrid);
    (new QVBoxLayout(frameSkills))->addWidget(tabSkills);
    (new QVBoxLayout(pSkills))->addWidget(frameSkills);

    // "Real Life & Contact Info"
    //: A tab of the character sheet: what its player tells about himself.
    QWidget* pRealLife = AddTab(tabCharInfo, QStringLiteral("Real Life & Contact Info"),
                                tr("Real Life & Contact Info"));
    frameRealLife = Frame(tr("Real Life Info"), "frameRealLife", pRealLife);
    txtRealName = Edit("txtRealName", frameRealLife);
    txtCityState = Edit("txtCityState", frameRealLife);
    txtMiscRL = Text("txtMiscRL", frameRealLife);
    auto* pRealLifeLayout = new QVBoxLayout(frameRealLife);
    auto* pRealLifeForm = new QFormLayout;
    pRealLifeForm->addRow(LabelOf(F::RealName), txtRealName);
    pRealLifeForm->addRow(LabelOf(F::CityState), txtCityState);
    pRealLifeLayout->addLayout(pRealLifeForm);
    // The sheet asks for this field in a sentence of its own, rather than by its caption.
    pRealLifeLayout->addWidget(
        new QLabel(tr("Anything else you want others to know about you:"), frameRealLife));
    pRealLifeLayout->addWidget(txtMiscRL, 1);
    frameContactInfo = Frame(tr("Contact Info"), "frameContactInfo", pRealLife);
    txtEmail = Edit("txtEmail", frameContactInfo);
    txtICQ = Edit("txtICQ", frameContactInfo);
    auto* pContact = new QFormLayout(frameContactInfo);
    pContact->addRow(LabelOf(F::Email), txtEmail);
    pContact->addRow(LabelOf(F::ICQ), txtICQ);
    auto* pRealLifePage = new QVBoxLayout(pRealLife);
    pRealLifePage->addWidget(frameRealLife, 1);
    pRealLifePage->addWidget(frameContactInfo);

    // "Awards"
    QWidget* pAwards = AddTab(tabCharInfo, QStringLiteral("Awards"), tr("Awards"));
    frameAwards = Frame(tr("Awards"), "frameAwards", pAwards);
    lblAwards =
        Label(tr("Awards this character has received (only administrators may change them):"),
              "lblAwards", frameAwards);
    lblAwards->setWordWrap(true);
    txtAwards = Text("txtAwards", frameAwards);
    auto* pAwardsLayout = new QVBoxLayout(frameAwards);
    pAwardsLayout->addWidget(lblAwards);
    pAwardsLayout->addWidget(txtAwards, 1);
    (new QVBoxLayout(pAwards))->addWidget(frameAwards);
    lblAwards->setBuddy(txtAwards);

    // "History": the character's changes, filled by the change history's view.
    //: A tab of the character sheet: the changes made to the character.
    pageHistory = AddTab(tabCharInfo, QStringLiteral("History"), tr("History"));
    new QVBoxLayout(pageHistory);

    // What a screen reader says for the controls no label stands for.
    //: The name a screen reader gives the box of the character's sex.
    cmbSex->setAccessibleName(tr("Sex"));
    //: Game word: a mule is a character kept to carry another's goods.
    optMuleYes->setAccessibleName(tr("Is Mule: Yes"));
    //: Game word: a mule is a character kept to carry another's goods.
    optMuleNo->setAccessibleName(tr("Is Mule: No"));
    //: Game word: a mule is a character kept to carry another's goods.
    cmdMuleForSearch->setAccessibleName(tr("Find the character this mule is for"));
    cmdMainNameSearchFor->setAccessibleName(tr("Find the main character"));
    txtBio->setAccessibleName(Caption(F::Bio));
    //: The name a screen reader gives the list of the character's vassals (game word: the
    //: characters sworn to it).
    lstVassals->setAccessibleName(tr("Vassals"));
    //: The part of the allegiance tree around the character: its patron and the characters
    //: below it.
    treImmediateTree->setAccessibleName(tr("Immediate Tree"));
    grdSkillGrid->setAccessibleName(tr("Skill Values"));
    //: The name a screen reader gives the tabs of the character sheet.
    tabCharInfo->setAccessibleName(tr("Character"));
    tabSkills->setAccessibleName(tr("Skills"));
    txtMiscRL->setAccessibleName(tr("Anything else you want others to know about you"));
    // "Raise" and "Lower" say which list they move from.
    cmdLSpec->setAccessibleName(tr("Lower the selected specialized skills"));
    cmdRTrained->setAccessibleName(tr("Raise the selected trained skills"));
    cmdLTrained->setAccessibleName(tr("Lower the selected trained skills"));
    cmdRUntrained->setAccessibleName(tr("Raise the selected untrained skills"));
    cmdLUntrained->setAccessibleName(tr("Lower the selected untrained skills"));
    cmdRUnusable->setAccessibleName(tr("Raise the selected unusable skills"));
    NameControlsAfterLabels(tabCharInfo);
    // Every caption whole: the sheet is never narrower than its tabs side by side. The six of
    // them fit the smallest window with half the style's space around each caption.
    auto* pTight = new TightTabs;
    pTight->setParent(tabCharInfo->tabBar());
    tabCharInfo->tabBar()->setStyle(pTight);
    tabCharInfo->setUsesScrollButtons(false);
    tabCharInfo->setMinimumWidth(tabCharInfo->tabBar()->sizeHint().width() +
                                 tabCharInfo->style()->pixelMetric(QStyle::PM_TabBarBaseOverlap) +
                                 8);
}
