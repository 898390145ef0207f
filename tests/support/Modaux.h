#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace velorin::test {

// Runs action on the next modal dialog of type T once its exec() loop runs; the test goes on
// after that dialog has closed. A dialog the action leaves open is a failure, and is closed so
// that the test ends.
template <typename T> void quandModal(std::function<void(T*)> action, int essais = 50)
{
    QTimer::singleShot(essais == 50 ? 0 : 10, [action, essais] {
        auto* dialogue = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialogue) {
            if (essais > 0) quandModal<T>(action, essais - 1);
            return;
        }
        action(dialogue);
        if (dialogue->isVisible()) {
            ADD_FAILURE() << "la fenêtre " << dialogue->metaObject()->className() << " est restée ouverte";
            dialogue->reject();
        }
    });
}

} // namespace velorin::test
