#pragma once

#include <QColor>
#include <QMdiArea>

namespace velorin {

// The area of the main window that holds the child screens. Behind them: a colour gradient
// with the program's title and, under it, its subtitle, centred vertically and as wide as
// the area.
class ZoneEcrans : public QMdiArea {
    Q_OBJECT
public:
    explicit ZoneEcrans(QWidget* parent = nullptr);

    // Title text colour, subtitle text colour; the gradient goes from the subtitle's
    // colour (top) to the title's (bottom).
    void setCouleurs(const QColor& titre, const QColor& sousTitre);
    QColor couleurTitre() const { return titre_; }
    QColor couleurSousTitre() const { return sousTitre_; }

    static QString texteTitre() { return QStringLiteral("Velorin"); }
    static QString texteSousTitre() { return QStringLiteral("Logiciel de gestion de chambres d'hôtes"); }

    // Where the title and the subtitle are drawn: the title's top is (height − title height
    // − subtitle height) / 2, the subtitle just under it, both as wide as the area.
    QRect rectTitre() const;
    QRect rectSousTitre() const;

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QFont policeTitre() const;
    QFont policeSousTitre() const;

    QColor titre_;
    QColor sousTitre_;
};

} // namespace velorin
