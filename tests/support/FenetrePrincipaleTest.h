#pragma once

#include "ui/MessagesFenetre.h"

#include <QEvent>
#include <QList>
#include <QWidget>

namespace velorin::test {

// Stands for the main window: records the window messages the screens send it.
class FenetrePrincipaleTest : public QWidget {
public:
    QList<QEvent::Type> recus;

protected:
    bool event(QEvent* evenement) override
    {
        if (estMessageFenetre(evenement->type())) {
            recus.append(evenement->type());
            return true;
        }
        return QWidget::event(evenement);
    }
};

} // namespace velorin::test
