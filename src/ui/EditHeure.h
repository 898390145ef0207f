#pragma once

#include <QLineEdit>
#include <QTime>

namespace velorin {

// A time of day typed as hh:mm. Digits that cannot form a time are refused as they are typed:
// the tens of the hour go from 0 to 2, the units of the hour from 0 to 3 after a 2, the tens
// of the minutes from 0 to 5.
class EditHeure : public QLineEdit {
    Q_OBJECT
public:
    explicit EditHeure(QWidget* parent = nullptr);

    // The time typed; invalid for an empty box. ok is false when the box holds an incomplete
    // or impossible time.
    QTime heure(bool* ok = nullptr) const;
    void setHeure(const QTime& heure);
    bool estVide() const;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
};

} // namespace velorin
