#pragma once

#include <QString>

namespace velorin {

// Where a long operation reports its progress: a label and a bar, on the splash window at
// start-up or on the screen that started the work. Implementations let pending window
// events run in traiterEvenements().
class Progression {
public:
    virtual ~Progression() = default;
    virtual void setLibelle(const QString& texte) = 0;
    virtual void setMaximum(int maximum) = 0;
    virtual int maximum() const = 0;
    virtual void setPosition(int position) = 0;
    virtual int position() const = 0;
    virtual void traiterEvenements() = 0;
};

} // namespace velorin
