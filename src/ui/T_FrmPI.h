#pragma once

#include "store/Disposition.h"
#include "ui/ContexteEcrans.h"

#include <QDialog>
#include <QEvent>
#include <QList>
#include <QPointer>

class QHBoxLayout;
class QMdiSubWindow;
class QPushButton;
class QVBoxLayout;

namespace velorin {

class PanneauDegrade;

// The base of every screen. It remembers its place and size and the widths of its grid
// columns per workstation, takes the colour settings, closes on Escape and moves to the
// next control on Enter.
//
// A screen puts its controls in centre() and its buttons in the bottom bar (ajouterBouton);
// it declares Q_OBJECT, so that its class name is the key its layout is stored under
// (setCleFenetre gives another key). It is shown as a child window with afficherEnfant(),
// or modally with exec(). Derived screens extend preparerAffichage() (the first show) and
// enregistrerFermeture() (the close), calling the base version.
class T_FrmPI : public QDialog {
    Q_OBJECT
public:
    explicit T_FrmPI(ContexteEcrans& contexte, QWidget* parent = nullptr);
    ~T_FrmPI() override;

    ContexteEcrans& contexte() const { return contexte_; }
    DMCommun& commun() const { return contexte_.commun; }
    Dialogues& dialogues() const { return contexte_.services.dialogues; }

    // The key the layout is stored under; the class name unless set before the first show.
    const QString& cleFenetre() const { return cleFenetre_; }
    void setCleFenetre(const QString& cle) { cleFenetre_ = cle; }
    QString nomClasse() const;

    // The layout records (the first is the screen's place; −1 everywhere when none was
    // stored) and the column widths, as read at the first show and stored at close.
    QList<TDisposition>& dispositions() { return dispositions_; }
    QList<TLargeurCol>& largeurs() { return largeurs_; }
    bool dispositionTrouvee() const { return dispositionTrouvee_; }

    // True on a network installation (installation record read when the screen is created).
    bool reseau() const { return reseau_; }

    // Shows the screen as a child window of the screen area, or as a window of its own when
    // there is none; it is freed when it closes.
    QMdiSubWindow* afficherEnfant();
    // The window that carries the place and size: the child window frame, or the screen.
    QWidget* fenetre() const;

    // Colour settings: background colour 4, texts of labels, check boxes, panels and flat
    // buttons colour 6, gradient bands end colour 5, data grids colours 2 and 3 for their rows,
    // 4 for their titles and 6 for their texts, text grids colour 4 for their fixed cells.
    virtual void AppliquerCouleurs();

    // An embedded panel with grids or colours of its own: it receives WMChangementCouleur.
    void ajouterCadre(QWidget* cadre);

    QWidget* centre() const { return centre_; }
    PanneauDegrade* panelBas() const { return panelBas_; }
    QHBoxLayout* dispositionBas() const { return dispositionBas_; }
    // A button of the bottom bar, on its right side.
    QPushButton* ajouterBouton(const QString& texte, const QString& nom);

    void setVisible(bool visible) override;
    void done(int resultat) override;

protected:
    // The first show: stored layout and widths, colours, controls kept inside the window.
    virtual void preparerAffichage();
    // The close, once: the layout and the widths are stored, the main window told.
    virtual void enregistrerFermeture();
    // The widths of the screen's grids, in the list returned; applied at show.
    virtual QList<TLargeurCol> collecterLargeurs() { return largeurs_; }
    virtual void appliquerLargeurs() {}
    // WMchangementFreq: nothing at this level.
    virtual void changementFrequence() {}
    // Other window messages forwarded to the screen.
    virtual void messageFenetre(QEvent::Type) {}

    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

    void appliquerDisposition();
    TDisposition dispositionActuelle() const;
    void garderControlesDansFenetre();

private:
    void terminer();
    void fermerSousFenetre();

    ContexteEcrans& contexte_;
    QString cleFenetre_;
    QList<TDisposition> dispositions_;
    QList<TLargeurCol> largeurs_;
    bool dispositionTrouvee_ = false;
    bool reseau_ = false;
    bool prepare_ = false;
    bool termine_ = false;
    bool maximiser_ = false;
    QRect geometrieNormale_; // of the child window, while neither minimised nor maximised
    QList<QPointer<QWidget>> cadres_;
    QWidget* centre_ = nullptr;
    PanneauDegrade* panelBas_ = nullptr;
    QHBoxLayout* dispositionBas_ = nullptr;
};

} // namespace velorin
