#include "Fakes.h"

#include "ProgramFolder.h"

MsgAnswer ScriptedMessages::ask(QWidget *, const QString &prompt, const QString &title,
                                MsgButtons buttons, MsgIcon icon)
{
    asked.append({prompt, title, buttons, icon});
    if (!answers.empty()) {
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
}

TempProgramFolder::TempProgramFolder()
{
    ProgramFolder::setPath(m_dir.path());
}

TempProgramFolder::~TempProgramFolder()
{
    ProgramFolder::setPath(QString());
}
