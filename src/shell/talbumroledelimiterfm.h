#pragma once
#include "shell/tbasetableeditfm.h"

namespace vintora::shell {

class TcoDBEdit;
class TcoEdit;
class TcoDBCheckBox;

// The characters that split a credit line into person and role; the code box decides the
// character that is stored.
class TAlbumRoleDelimiterFM : public TBASETableEditFM {
    Q_OBJECT
public:
    explicit TAlbumRoleDelimiterFM(QWidget* parent = nullptr);
    static TAlbumRoleDelimiterFM* instance();
    TcoDBEdit* edItem;
    TcoEdit* edCode;
    TcoDBCheckBox* cbActive;

    // The character to store for the typed character and the code box's text: the code decides;
    // an empty box keeps the typed character. A code that names no character raises DbError,
    // so the row stays in its edit.
    static QString itemForCode(const QString& item, const QString& codeText);
};

void ShowDelimiterRoleList();

} // namespace vintora::shell
