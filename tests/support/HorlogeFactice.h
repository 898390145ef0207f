#pragma once

#include "app/Horloge.h"

#include <functional>

namespace velorin::test {

// A clock that tests set; waits return at once and move the time forward.
class HorlogeFactice : public Horloge {
public:
    explicit HorlogeFactice(QDateTime depart = QDateTime(QDate(2026, 7, 1), QTime(9, 30)));

    QDate aujourdhui() const override { return maintenant_.date(); }
    QDateTime maintenant() const override { return maintenant_; }
    void attendre(int ms) override;
    void traiterEvenements() override { ++traitements; }

    void regler(const QDateTime& moment) { maintenant_ = moment; }
    void reglerJour(const QDate& jour) { maintenant_ = QDateTime(jour, maintenant_.time()); }

    int attentes = 0;
    qint64 totalAttenduMs = 0;
    int traitements = 0;
    // Called after each wait with the number of waits so far.
    std::function<void(int)> surAttente;

private:
    QDateTime maintenant_;
};

} // namespace velorin::test
