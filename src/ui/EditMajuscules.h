#pragma once

#include <QLineEdit>

namespace velorin {

// An edit box that turns whatever is typed into capitals: the search boxes of the lists.
class EditMajuscules : public QLineEdit {
    Q_OBJECT
public:
    explicit EditMajuscules(QWidget* parent = nullptr);
};

} // namespace velorin
