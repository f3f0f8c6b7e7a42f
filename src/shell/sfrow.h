#pragma once
#include <QFrame>
#include <QHBoxLayout>

#include <utility>

namespace vintora::shell {

// The row a single-field frame lays its controls in: 1 pixel above and below, 4 apart.
inline QHBoxLayout* sfRow(QFrame* frame)
{
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(4);
    return row;
}

// A named control of the row's frame, added to the row (stretch 1 for the field that takes the
// width); the arguments are the control's own, before its parent.
template <class W, class... Args>
W* sfAdd(QHBoxLayout* row, const char* name, int stretch, Args&&... args)
{
    auto* w = new W(std::forward<Args>(args)..., row->parentWidget());
    w->setObjectName(QString::fromLatin1(name));
    row->addWidget(w, stretch);
    return w;
}

} // namespace vintora::shell
