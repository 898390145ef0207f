#pragma once

#include <QDate>
#include <QDateTime>

namespace velorin {

// The one clock of the program: today, now, and waits that keep the windows alive.
class Horloge {
public:
    virtual ~Horloge() = default;
    virtual QDate aujourdhui() const = 0;
    virtual QDateTime maintenant() const = 0;
    // Waits ms milliseconds while pending window events keep running.
    virtual void attendre(int ms) = 0;
    // Lets pending window events run once.
    virtual void traiterEvenements() = 0;
};

class HorlogeSysteme : public Horloge {
public:
    QDate aujourdhui() const override;
    QDateTime maintenant() const override;
    void attendre(int ms) override;
    void traiterEvenements() override;
};

} // namespace velorin
