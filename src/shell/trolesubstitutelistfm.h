#pragma once
#include "shell/tbasetableeditfm.h"

namespace vintora::shell {

class TcoDBEdit;

// Substitutions of role words ("Замена в ролях"); can start a new rule from a role text.
class TRoleSubstituteListFM : public TBASETableEditFM {
    Q_OBJECT
public:
    explicit TRoleSubstituteListFM(QWidget* parent = nullptr);
    static TRoleSubstituteListFM* instance();
    TcoDBEdit* edOld;
    TcoDBEdit* edNew;

    // Old and New of the rule a role text suggests: "Vocals [lead]" gives "vocals (lead)" and
    // "lead vocals".
    static QPair<QString, QString> ruleFromText(const QString& text);
    // Inserts a new row from the text and opens the edit panel on it.
    void newRule(const QString& text);
};

void ShowRoleSubstituteList(const QString& roleText = {});

} // namespace vintora::shell
