#include "SkillSearch.h"

#include "CellEditor.h"
#include "CharacterRecord.h"
#include "Characters.h"
#include "CriticalError.h"
#include "Grid.h"
#include "ListPayloads.h"
#include "Prompts.h"
#include "Protocol.h"
#include "RequestCycle.h"
#include "Session.h"
#include "SkillCatalogue.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <iterator>

SkillSearch::SkillSearch(Session& session, const Roster& roster, const Skills& objSkills,
                         const SearchControls& controls, const QString& strSavedFile,
                         QObject* pParent)
    : QObject(pParent), m_session(session), m_roster(roster), m_skills(objSkills), m_c(controls),
      m_saved(strSavedFile) {
    // Race 0 is "any" to the search: the other names are the sheet's.
    //: Search choice: a member of any race
    m_c.cmbSearchRace->addItem(tr("Any", "race"));
    for (std::size_t i = 1; i < std::size(zorv::kRaceNames); ++i)
        m_c.cmbSearchRace->addItem(
            QCoreApplication::translate("Race", zorv::RaceName(static_cast<long>(i))));
    //: Search choice: a member of any rank in the allegiance
    m_c.cmbSearchRank->addItem(tr("Any", "rank"));
    for (int i = 1; i <= 10; ++i)
        m_c.cmbSearchRank->addItem(QString::number(i));
    m_c.grdSearch->Model().SetHeaders(
        {//: Column header: the character's name
         tr("Name"),
         //: Column header: the character's level (a number)
         tr("Level"),
         //: Column header: the character's rank in the allegiance (a number)
         tr("Rank"),
         //: Column header: the character's race
         tr("Race")});
    m_c.grdSearchSkill->Model().SetCellCheck(1, SkillValueProblem);
    m_pEditor = new CellEditor(*m_c.grdSearchSkill, 1, session.prompts,
                               QStringLiteral("txtSearchSkillEdit"), IsValidSkillValue,
                               tr("You can only use numbers for your skill value"));
    FillSkillSearchGrid();

    connect(m_c.cmdSearch, &QPushButton::clicked, this, &SkillSearch::Search);
    connect(m_c.cmdSearchReset, &QPushButton::clicked, this, &SkillSearch::cmdSearchReset_Click);
    connect(m_c.cmdSaveSearch, &QPushButton::clicked, this, &SkillSearch::SaveSearch);
    connect(m_c.cmdDeleteSearch, &QPushButton::clicked, this, &SkillSearch::DeleteSearch);
    connect(m_c.cmdShowInTree, &QPushButton::clicked, this, &SkillSearch::ShowInTree);
    m_c.cmbSavedSearch->setEditable(true);
    m_c.cmbSavedSearch->setInsertPolicy(QComboBox::NoInsert);
    connect(m_c.cmbSavedSearch, &QComboBox::textActivated, this, &SkillSearch::RecallSearch);
    session.cycle.Route(zorv::OpSearch,
                        [this](const Reply& reply) { ParseSearchData(reply.strPayload); });

    QString strError;
    if (!m_saved.Load(strError))
        //: %1 is the file's path, %2 the reason
        session.prompts.Inform(tr("The saved searches in %1 could not be read: %2")
                                   .arg(QDir::toNativeSeparators(m_saved.File()), strError));
    FillSavedList();
}

void SkillSearch::FillSkillSearchGrid() {
    QList<QStringList> rows;
    for (const Skill& skill : m_skills)
        rows << QStringList{skill.Key, QStringLiteral("0")};
    m_c.grdSearchSkill->Model().SetHeaders(
        {//: Column header: the skill's name
         tr("Skill"),
         //: Column header: the least value of the skill to search for
         tr("Skill Value")});
    m_c.grdSearchSkill->Model().SetRows(rows);
}

QString SkillSearch::SkillCriteria() const {
    QStringList entries;
    const Grid* pGrid = m_c.grdSearchSkill;
    for (int iRow = 1; iRow <= pGrid->DataRows(); ++iRow) {
        const QString strValue = pGrid->TextMatrix(iRow, 1);
        if (!strValue.isEmpty())
            entries << QString::number(iRow) + QLatin1Char(',') + strValue;
    }
    return entries.join(QLatin1Char('!'));
}

void SkillSearch::Search() {
    ProcedureGuard Step(m_session.prompts, "Search");
    if (!m_pEditor->Commit()) // the value being typed is part of the search
        return;
    RequestCycle& cycle = m_session.cycle;
    //: Status bar, while the server searches the guild
    Request request{zorv::OpSearch, tr("Searching")};
    Step([&] {
        request.fields.emplace_back(FormKey(zorv::form::kRace),
                                    QString::number(m_c.cmbSearchRace->currentIndex()));
        request.fields.emplace_back(FormKey(zorv::form::kRank),
                                    QString::number(m_c.cmbSearchRank->currentIndex()));
        const QString strCriteria = SkillCriteria();
        if (!strCriteria.isEmpty())
            request.fields.emplace_back(FormKey(zorv::form::kSkillSearch), strCriteria);
    });
    Step([&] {
        m_c.grdSearch->Model().Clear();
        if (fnShowFound) // the last search's members are no longer what was found
            fnShowFound({});
    });
    Step([&] { cycle.StartOperation(request); });
}

void SkillSearch::ParseSearchData(const QString& strPayload) {
    m_c.grdSearch->Model().SetRows(ParseSearchRows(strPayload));
}

void SkillSearch::cmdSearchReset_Click() {
    m_pEditor->Abandon();
    m_c.cmbSearchRace->setCurrentIndex(0);
    m_c.cmbSearchRank->setCurrentIndex(0);
    GridModel& model = m_c.grdSearchSkill->Model();
    for (int iRow = 0; iRow < model.rowCount(); ++iRow)
        model.SetText(iRow, 1, QStringLiteral("0"));
    if (fnShowFound)
        fnShowFound({});
}

void SkillSearch::FillSavedList() {
    const QString strText = m_c.cmbSavedSearch->currentText();
    m_c.cmbSavedSearch->clear();
    for (const SavedSearch& search : m_saved.Items())
        m_c.cmbSavedSearch->addItem(search.strName);
    m_c.cmbSavedSearch->setEditText(strText);
}

void SkillSearch::SaveSearch() {
    const QString strName = m_c.cmbSavedSearch->currentText().trimmed();
    if (strName.isEmpty()) {
        m_session.prompts.Inform(tr("Type a name for the search to save it under."));
        return;
    }
    if (!m_pEditor->Commit())
        return;
    SavedSearch search;
    search.strName = strName;
    search.iRace = m_c.cmbSearchRace->currentIndex();
    search.iRank = m_c.cmbSearchRank->currentIndex();
    for (int iRow = 1; iRow <= m_c.grdSearchSkill->DataRows(); ++iRow)
        search.values << m_c.grdSearchSkill->TextMatrix(iRow, 1);
    m_saved.Put(search);
    QString strError;
    if (!m_saved.Save(strError))
        //: %1 is the file's path, %2 the reason
        m_session.prompts.Inform(tr("The search could not be saved to %1: %2")
                                     .arg(QDir::toNativeSeparators(m_saved.File()), strError));
    FillSavedList();
    m_c.cmbSavedSearch->setEditText(strName);
}

void SkillSearch::RecallSearch(const QString& strName) {
    const SavedSearch* pSearch = m_saved.Find(strName);
    if (!pSearch)
        return;
    m_c.cmbSearchRace->setCurrentIndex(pSearch->iRace);
    m_c.cmbSearchRank->setCurrentIndex(pSearch->iRank);
    GridModel& model = m_c.grdSearchSkill->Model();
    for (int iRow = 0; iRow < model.rowCount(); ++iRow)
        model.SetText(iRow, 1, pSearch->values.value(iRow));
}

void SkillSearch::DeleteSearch() {
    const QString strName = m_c.cmbSavedSearch->currentText().trimmed();
    if (!m_saved.Find(strName))
        return;
    m_saved.Remove(strName);
    QString strError;
    if (!m_saved.Save(strError))
        //: %1 is the file's path, %2 the reason
        m_session.prompts.Inform(tr("The saved searches could not be written to %1: %2")
                                     .arg(QDir::toNativeSeparators(m_saved.File()), strError));
    m_c.cmbSavedSearch->setEditText(QString());
    FillSavedList();
}

void SkillSearch::ShowInTree() {
    if (!fnShowFound)
        return;
    QList<qint16> found;
    const Grid* pGrid = m_c.grdSearch;
    for (int iRow = 1; iRow <= pGrid->DataRows(); ++iRow) {
        const qint16 id = m_roster->GetID(pGrid->TextMatrix(iRow, 0));
        if (id != zorv::kNoCharacter)
            found << id;
    }
    fnShowFound(found);
}
