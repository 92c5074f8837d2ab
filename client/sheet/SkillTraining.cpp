#include "SkillTraining.h"

#include "CellEditor.h"
#include "Grid.h"
#include "ListBoxes.h"
#include "Numbers.h"
#include "SheetViews.h"
#include "SkillCatalogue.h"

#include <QListWidget>
#include <QPushButton>

SkillTraining::SkillTraining(SheetViews& views, Skills& objSkills, Prompts& prompts,
                             QObject* pParent)
    : QObject(pParent), m_views(views), m_skills(objSkills) {
    Grid* pGrid = views.grdSkillGrid;
    pGrid->Model().SetHeaders({tr("Skill"), tr("Skill Value")});
    pGrid->Model().SetRows(QList<QStringList>(kSkillCount, QStringList{QString(), QString()}));
    pGrid->Model().SetCellCheck(1, SkillValueProblem);
    m_pEditor =
        new CellEditor(*pGrid, 1, prompts, QStringLiteral("txtSkillGridEdit"), IsValidSkillValue,
                       tr("You can only use numbers for your skill value"));
    connect(m_pEditor, &CellEditor::CellEdited, this,
            [this](int iRow, int iColumn, const QString& strText) {
                if (iColumn == 1 && !strText.isEmpty())
                    if (Skill* pSkill = m_skills.Item(m_views.grdSkillGrid->TextMatrix(iRow, 0)))
                        pSkill->iSkillValue = zorv::ReadInt16(strText.toStdString());
                emit Edited();
            });

    auto Move = [this](QPushButton* pButton, QListWidget* pFrom, QListWidget* pTo) {
        connect(pButton, &QPushButton::clicked, this, [this, pFrom, pTo] {
            SwitchSkills(pFrom, pTo);
            emit Edited();
        });
    };
    Move(views.cmdLSpec, views.lstSpecSkills, views.lstTrainedSkills);
    Move(views.cmdRTrained, views.lstTrainedSkills, views.lstSpecSkills);
    Move(views.cmdLTrained, views.lstTrainedSkills, views.lstUntrainedSkills);
    Move(views.cmdRUntrained, views.lstUntrainedSkills, views.lstTrainedSkills);
    Move(views.cmdLUntrained, views.lstUntrainedSkills, views.lstUnusableSkills);
    // Raising an unusable skill trains it at once.
    Move(views.cmdRUnusable, views.lstUnusableSkills, views.lstTrainedSkills);
}

QListWidget* SkillTraining::ListOf(int iTraining) const {
    switch (iTraining) {
    case Specialized:
        return m_views.lstSpecSkills;
    case Trained:
        return m_views.lstTrainedSkills;
    case Untrained:
        return m_views.lstUntrainedSkills;
    default:
        return m_views.lstUnusableSkills;
    }
}

void SkillTraining::ParseSkillData(const QString& strSkills) {
    for (int iTraining : {Specialized, Trained, Untrained, Unusable})
        ListOf(iTraining)->clear();
    for (const SkillEntry& entry : SkillEntries(strSkills, m_skills)) {
        Skill* pSkill = m_skills.Item(entry.iNumber);
        if (!pSkill)
            continue;
        pSkill->iSkillValue = entry.iSkillValue;
        if (std::optional<Training> training = TrainingOf(entry.strTraining))
            ListOf(*training)->addItem(pSkill->Key);
    }
}

void SkillTraining::SwitchSkills(QListWidget* source, QListWidget* dest) {
    // One at a time from the top, until nothing selected is left.
    while (true) {
        int iSelected = -1;
        for (int i = 0; i < source->count() && iSelected < 0; ++i)
            if (source->item(i)->isSelected())
                iSelected = i;
        if (iSelected < 0)
            return;
        const QString strSkill = source->item(iSelected)->text();
        delete source->takeItem(iSelected);
        dest->addItem(strSkill);
        SetAsSelected(dest, strSkill);
    }
}

void SkillTraining::SetRacialSkills(int iRace) {
    for (const QString& strSkill : RacialSkills(iRace))
        SetRacialSkill(strSkill);
}

void SkillTraining::SetRacialSkill(const QString& strSkillName) {
    for (QListWidget* pList : {m_views.lstUntrainedSkills, m_views.lstUnusableSkills}) {
        bool bFound = false;
        for (int i = 0; i < pList->count(); ++i) {
            const bool bMatch = pList->item(i)->text() == strSkillName;
            pList->item(i)->setSelected(bMatch);
            bFound = bFound || bMatch;
        }
        if (bFound) {
            SwitchSkills(pList, m_views.lstTrainedSkills);
            return;
        }
    }
}

void SkillTraining::FillSkillGrid() {
    GridModel& model = m_views.grdSkillGrid->Model();
    model.SetRows(QList<QStringList>(kSkillCount, QStringList{QString(), QString()}));
    int iRow = 1;
    for (int iTraining : {Specialized, Trained, Untrained, Unusable})
        iRow = AddSkillsToGrid(ListOf(iTraining), iRow);
}

int SkillTraining::AddSkillsToGrid(QListWidget* pList, int iRow) {
    GridModel& model = m_views.grdSkillGrid->Model();
    for (int i = 0; i < pList->count() && iRow <= kSkillCount; ++i, ++iRow) {
        const QString strSkill = pList->item(i)->text();
        const Skill* pSkill = m_skills.Item(strSkill);
        model.SetText(iRow - 1, 0, strSkill);
        model.SetText(iRow - 1, 1, QString::number(pSkill ? pSkill->iSkillValue : 0));
    }
    return iRow;
}

QString SkillTraining::GetSkillValueFromGrid(const QString& strSkillName) const {
    const Grid* pGrid = m_views.grdSkillGrid;
    for (int iRow = 1; iRow <= pGrid->DataRows(); ++iRow)
        if (pGrid->TextMatrix(iRow, 0) == strSkillName)
            return pGrid->TextMatrix(iRow, 1).trimmed();
    return QStringLiteral("0");
}

QString SkillTraining::UpdateSkills() const {
    QStringList entries;
    for (int iTraining : {Specialized, Trained, Untrained, Unusable}) {
        const QListWidget* pList = ListOf(iTraining);
        for (int i = 0; i < pList->count(); ++i) {
            const QString strSkill = pList->item(i)->text();
            const Skill* pSkill = m_skills.Item(strSkill);
            if (!pSkill)
                continue;
            entries << pSkill->strValue + QLatin1Char(',') + QString::number(iTraining) +
                           QLatin1Char(',') + GetSkillValueFromGrid(strSkill);
        }
    }
    return entries.join(QLatin1Char('!'));
}
