#pragma once
#include "platform/db/tcoptable.h"
#include "shell/tbaserootfr.h"

namespace vintora::ui {
class DataSource;
}

namespace vintora::shell {

// A filter's parameters, edited over the window and kept between runs: "Установить" stores
// them and runs the filter, the cancel button leaves the stored ones alone.
class TBASEQueryFR : public TBASERootFR {
    Q_OBJECT
public:
    explicit TBASEQueryFR(QWidget* owner, std::function<void()> onGo = {});

    TcoButton* btGo;
    db::TcoPTable* taQuery; // field Kind (integer, default 0); descendants add theirs
    ui::DataSource* dsQuery;

    // Reads the parameters of the last run. Descendants call it at the end of their
    // constructor, once their fields exist; opening the frame does it if nobody did.
    void LoadParameters();
    void OpenFrame() override;
    // The go button's work: post, store, notify, close.
    void go();

private:
    std::function<void()> m_onGo;
    bool m_loaded = false;
};

} // namespace vintora::shell
