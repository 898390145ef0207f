#include "ui/T_FrmPI.h"

#include "store/DMCommun.h"
#include "store/Droits.h"
#include "ui/MessagesFenetre.h"
#include "ui/PanneauDegrade.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace velorin {

T_FrmPI::T_FrmPI(ContexteEcrans& contexte, QWidget* parent)
    : QDialog(parent)
    , contexte_(contexte)
    , dispositions_{TDisposition{}}
{
    reseau_ = droits::installationReseau(contexte_.commun.dossierProgramme());
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    setMinimumSize(400, 250);

    auto* principale = new QVBoxLayout(this);
    principale->setContentsMargins(0, 0, 0, 0);
    principale->setSpacing(0);
    centre_ = new QWidget(this);
    centre_->setObjectName(QStringLiteral("PanelCentre"));
    principale->addWidget(centre_, 1);

    panelBas_ = new PanneauDegrade(this);
    panelBas_->setObjectName(QStringLiteral("PanelBas"));
    dispositionBas_ = new QHBoxLayout(panelBas_);
    dispositionBas_->setContentsMargins(10, 8, 10, 8);
    dispositionBas_->setSpacing(8);
    dispositionBas_->addStretch(1);
    principale->addWidget(panelBas_);

    resize(640, 420);
}

T_FrmPI::~T_FrmPI() = default;

QString T_FrmPI::nomClasse() const
{
    const QString nom = QString::fromLatin1(metaObject()->className());
    return nom.section(QStringLiteral("::"), -1);
}

QPushButton* T_FrmPI::ajouterBouton(const QString& texte, const QString& nom)
{
    auto* bouton = new QPushButton(texte, panelBas_);
    bouton->setObjectName(nom);
    bouton->setMinimumWidth(90);
    dispositionBas_->addWidget(bouton);
    return bouton;
}

void T_FrmPI::ajouterCadre(QWidget* cadre) { cadres_.append(cadre); }

QWidget* T_FrmPI::fenetre() const
{
    if (auto* sous = qobject_cast<QMdiSubWindow*>(parentWidget())) return sous;
    return const_cast<T_FrmPI*>(this);
}

QMdiSubWindow* T_FrmPI::afficherEnfant()
{
    QMdiArea* zone = contexte_.zoneEcrans;
    if (!zone) {
        setAttribute(Qt::WA_DeleteOnClose);
        show();
        return nullptr;
    }
    const QSize conception = size();
    QMdiSubWindow* sous = zone->addSubWindow(this);
    sous->setAttribute(Qt::WA_DeleteOnClose);
    // The frame around the screen keeps the size the screen was designed with. The frame's
    // title and borders are the child window's margins (its own size is not laid out yet).
    const QMargins marges = sous->contentsMargins();
    sous->resize(conception + QSize(marges.left() + marges.right(), marges.top() + marges.bottom()));
    sous->installEventFilter(this);
    show();
    return sous;
}

bool T_FrmPI::eventFilter(QObject* objet, QEvent* evenement)
{
    // A child window does not keep its restored geometry where the layout store can read it.
    if (objet == parentWidget() && (evenement->type() == QEvent::Move || evenement->type() == QEvent::Resize)) {
        const QWidget* f = parentWidget();
        if (!f->isMinimized() && !f->isMaximized()) geometrieNormale_ = f->geometry();
    }
    return QDialog::eventFilter(objet, evenement);
}

void T_FrmPI::setVisible(bool visible)
{
    if (visible) termine_ = false;
    if (visible && !prepare_) {
        prepare_ = true;
        preparerAffichage();
    }
    QDialog::setVisible(visible);
    if (visible && maximiser_) {
        maximiser_ = false;
        fenetre()->showMaximized();
    }
}

void T_FrmPI::preparerAffichage()
{
    if (objectName().isEmpty()) setObjectName(nomClasse());
    if (cleFenetre_.isEmpty()) cleFenetre_ = nomClasse();
    Disposition disposition = commun().disposition();
    if (const auto lues = disposition.LireDisposition(cleFenetre_); lues && !lues->isEmpty()) {
        dispositions_ = *lues;
        dispositionTrouvee_ = true;
        appliquerDisposition();
    } else {
        dispositions_ = {TDisposition{-1, -1, -1, -1, -1}};
    }
    AppliquerCouleurs();
    if (const auto lues = disposition.LireLargeurs(cleFenetre_)) largeurs_ = *lues;
    appliquerLargeurs();
    garderControlesDansFenetre();
}

void T_FrmPI::appliquerDisposition()
{
    const TDisposition& d = dispositions_.first();
    QWidget* f = fenetre();
    if (d.Larg < -1 && d.Haut < -1) {
        if (f == this)
            setWindowState(windowState() | Qt::WindowMaximized);
        else
            maximiser_ = true;
        return;
    }
    QPoint position(d.PosX, d.PosY);
    if (auto* sous = qobject_cast<QMdiSubWindow*>(f); sous && sous->mdiArea() && sous->mdiArea()->isVisible()) {
        // A place left on a larger screen area stays reachable.
        const QSize zone = sous->mdiArea()->viewport()->size();
        position.setX(qBound(0, position.x(), qMax(0, zone.width() - 60)));
        position.setY(qBound(0, position.y(), qMax(0, zone.height() - 40)));
    }
    f->move(position);
    const QSize minimum = f->minimumSize().expandedTo(f->minimumSizeHint());
    int largeur = d.Larg >= minimum.width() ? d.Larg : (minimum.width() > 0 ? minimum.width() : f->width());
    int hauteur = d.Haut >= minimum.height() ? d.Haut : (minimum.height() > 0 ? minimum.height() : f->height());
    f->resize(largeur, hauteur);
}

TDisposition T_FrmPI::dispositionActuelle() const
{
    const QWidget* f = fenetre();
    if (f->isMaximized()) return {0, 0, -2, -2, 0};
    // A minimised window keeps the place and size it had before, not its icon's.
    if (f->isMinimized()) {
        const QRect normale = f == this ? f->normalGeometry() : geometrieNormale_;
        if (normale.isValid()) return {normale.x(), normale.y(), normale.width(), normale.height(), 0};
    }
    return {f->x(), f->y(), f->width(), f->height(), 0};
}

void T_FrmPI::garderControlesDansFenetre()
{
    // Only controls placed by hand can fall outside: the others follow their layout.
    if (centre_->layout()) return;
    const int largeur = centre_->width();
    const int hauteur = centre_->height();
    const auto controles = centre_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* c : controles) {
        if (c->isHidden()) continue;
        QRect r = c->geometry();
        if (r.left() >= largeur) r.moveLeft(r.width() > largeur - 10 ? 10 : largeur - r.width() - 10);
        if (r.right() >= largeur) r.setRight(largeur - 11);
        if (r.top() >= hauteur) r.moveTop(r.height() > hauteur - 10 ? 10 : hauteur - r.height() - 10);
        if (r.bottom() >= hauteur) r.setBottom(hauteur - 11);
        if (r != c->geometry()) c->setGeometry(r);
    }
}

void T_FrmPI::AppliquerCouleurs()
{
    const TCouleurs& valeurs = commun().couleurs();
    const auto couleur = [&valeurs](int numero) {
        return couleurs::versQColor(valeurs[static_cast<std::size_t>(numero)]);
    };

    QPalette fond = palette();
    fond.setColor(QPalette::Window, couleur(4));
    fond.setColor(QPalette::WindowText, couleur(6));
    setPalette(fond);
    setAutoFillBackground(true);

    const auto texteBouton = [&](QWidget* w) {
        QPalette p = w->palette();
        p.setColor(QPalette::ButtonText, couleur(6));
        w->setPalette(p);
    };
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->isFlat()) texteBouton(b);
    for (QToolButton* b : findChildren<QToolButton*>())
        if (b->autoRaise()) texteBouton(b);

    for (PanneauDegrade* bande : findChildren<PanneauDegrade*>()) bande->setCouleurs(couleur(4), couleur(5));

    for (QTableView* grille : findChildren<QTableView*>()) {
        const bool grilleTexte = qobject_cast<QTableWidget*>(grille) != nullptr;
        for (QHeaderView* entete : {grille->horizontalHeader(), grille->verticalHeader()}) {
            QPalette p = entete->palette();
            p.setColor(QPalette::Button, couleur(4));
            if (!grilleTexte) p.setColor(QPalette::ButtonText, couleur(6));
            entete->setPalette(p);
        }
        if (grilleTexte) continue;
        QPalette p = grille->palette();
        p.setColor(QPalette::Base, couleur(2));
        p.setColor(QPalette::AlternateBase, couleur(3));
        p.setColor(QPalette::Text, couleur(6));
        grille->setPalette(p);
        grille->setAlternatingRowColors(true);
    }

    for (const QPointer<QWidget>& cadre : cadres_) envoyerMessage(cadre.data(), WMChangementCouleur);
}

bool T_FrmPI::event(QEvent* evenement)
{
    const QEvent::Type type = evenement->type();
    if (!estMessageFenetre(type)) return QDialog::event(evenement);
    if (type == WMChangementCouleur)
        AppliquerCouleurs();
    else if (type == WMchangementFreq)
        changementFrequence();
    else
        messageFenetre(type);
    return true;
}

void T_FrmPI::keyPressEvent(QKeyEvent* evenement)
{
    const bool sansModificateur = !(evenement->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    switch (evenement->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (sansModificateur) {
            focusNextChild();
            return;
        }
        break;
    default: break;
    }
    QDialog::keyPressEvent(evenement);
}

void T_FrmPI::closeEvent(QCloseEvent* evenement)
{
    terminer();
    QDialog::closeEvent(evenement);
    if (evenement->isAccepted()) fermerSousFenetre();
}

void T_FrmPI::done(int resultat)
{
    terminer();
    QPointer<T_FrmPI> garde(this);
    QDialog::done(resultat);
    if (garde) fermerSousFenetre();
}

void T_FrmPI::terminer()
{
    if (termine_) return;
    termine_ = true;
    if (prepare_) enregistrerFermeture();
}

void T_FrmPI::enregistrerFermeture()
{
    dispositions_.first() = dispositionActuelle();
    Disposition disposition = commun().disposition();
    disposition.EnregistrerDisposition(cleFenetre_, {dispositions_.first()});
    largeurs_ = collecterLargeurs();
    disposition.EnregistrerLargeurs(cleFenetre_, largeurs_);
    envoyerMessage(contexte_.fenetrePrincipale, WMCacherAide);
}

void T_FrmPI::fermerSousFenetre()
{
    // Closing the screen inside a child window closes the window around it.
    if (auto* sous = qobject_cast<QMdiSubWindow*>(parentWidget())) sous->close();
}

} // namespace velorin
