#include "app/screens/TFrmParamMessagerie.h"

#include "app/Dialogues.h"
#include "store/DMCommun.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velorin {

TFrmParamMessagerie::TFrmParamMessagerie(ContexteEcrans& contexte, QWidget* parent)
    : T_FrmSaisieStd(contexte, parent)
{
    setWindowTitle(u"Paramétrage de l'envoi des mails"_qs);

    auto* disposition = new QVBoxLayout(centre());
    disposition->setContentsMargins(16, 16, 16, 12);
    disposition->setSpacing(10);

    rbAncien_ = new QRadioButton(
        u"Utiliser le logiciel de messagerie par défaut dans les versions anciennes de Windows"_qs, centre());
    rbAncien_->setObjectName(QStringLiteral("rbAncien"));
    rbVista_ = new QRadioButton(
        u"Utiliser le logiciel de messagerie par défaut dans les versions vista et suivantes  "_qs, centre());
    rbVista_->setObjectName(QStringLiteral("rbVista"));
    rbAssistant_
        = new QRadioButton(u"Créer manuellement un mail, et s'aider de l'assistant à la saisie des mails"_qs, centre());
    rbAssistant_->setObjectName(QStringLiteral("rbAssistant"));
    auto* groupe = new QButtonGroup(this);
    groupe->addButton(rbAncien_);
    groupe->addButton(rbVista_);
    groupe->addButton(rbAssistant_);

    edProgMail_ = new QLineEdit(centre());
    edProgMail_->setObjectName(QStringLiteral("edProgMail"));
    btnParcourir_ = new QPushButton(u"Parcourir"_qs, centre());
    btnParcourir_->setObjectName(QStringLiteral("BtnParcourir"));
    cbFermerProg_ = new QCheckBox(u"Ce programme doit être fermé avant de créer un mail"_qs, centre());
    cbFermerProg_->setObjectName(QStringLiteral("cbFermerProg"));
    cbGarderFerme_ = new QCheckBox(u"Garder le programme fermé ensuite"_qs, centre());
    cbGarderFerme_->setObjectName(QStringLiteral("cbGarderFerme"));

    // The second mode's program and boxes sit under its radio button.
    auto* vista = new QGridLayout;
    vista->setContentsMargins(28, 0, 0, 4);
    vista->setHorizontalSpacing(8);
    vista->addWidget(edProgMail_, 0, 0);
    vista->addWidget(btnParcourir_, 0, 1);
    vista->addWidget(cbFermerProg_, 1, 0, 1, 2);
    vista->addWidget(cbGarderFerme_, 2, 0, 1, 2);

    disposition->addWidget(rbAncien_);
    disposition->addWidget(rbVista_);
    disposition->addLayout(vista);
    disposition->addWidget(rbAssistant_);
    disposition->addStretch(1);

    const ReglagesMessagerie lus = commun().info().messagerie();
    if (lus.assistant) {
        rbAssistant_->setChecked(true);
    } else if (!lus.nomProgMail.isEmpty()) {
        rbVista_->setChecked(true);
        edProgMail_->setText(lus.nomProgMail);
        cbFermerProg_->setChecked(lus.fermerProg);
        cbGarderFerme_->setChecked(lus.garderFerme);
    } else {
        rbAncien_->setChecked(true);
    }
    actualiserControles();

    connect(groupe, &QButtonGroup::buttonToggled, this, &TFrmParamMessagerie::actualiserControles);
    connect(btnParcourir_, &QPushButton::clicked, this, &TFrmParamMessagerie::Parcourir);
    resize(640, 300);
}

TFrmParamMessagerie::Mode TFrmParamMessagerie::mode() const
{
    if (rbAssistant_->isChecked()) return Mode::Assistant;
    if (rbVista_->isChecked()) return Mode::Vista;
    return Mode::Ancien;
}

void TFrmParamMessagerie::actualiserControles()
{
    const bool vista = rbVista_->isChecked();
    edProgMail_->setEnabled(vista);
    cbFermerProg_->setEnabled(vista);
    cbGarderFerme_->setEnabled(vista);
}

void TFrmParamMessagerie::Parcourir()
{
    rbVista_->setChecked(true);
#ifdef Q_OS_WIN
    const QString filtre = u"Applications (*.exe)"_qs;
#else
    const QString filtre = u"Applications (*)"_qs;
#endif
    const QString depart = edProgMail_->text().isEmpty() ? QString() : QFileInfo(edProgMail_->text()).absolutePath();
    const QString choisi = dialogues().choisirFichierAOuvrir(u"Logiciel de messagerie"_qs, depart, filtre);
    if (!choisi.isEmpty()) edProgMail_->setText(choisi);
}

ReglagesMessagerie TFrmParamMessagerie::reglages() const
{
    ReglagesMessagerie r;
    switch (mode()) {
    case Mode::Ancien: break;
    case Mode::Vista:
        r.nomProgMail = edProgMail_->text().trimmed();
        r.fermerProg = cbFermerProg_->isChecked();
        r.garderFerme = cbGarderFerme_->isChecked();
        break;
    case Mode::Assistant: r.assistant = true; break;
    }
    return r;
}

bool TFrmParamMessagerie::Valider()
{
    const ReglagesMessagerie r = reglages();
    if (mode() == Mode::Vista) {
        if (r.nomProgMail.isEmpty()) {
            dialogues().avertissement(u"Vous devez indiquer le nom du programme de messagerie à ouvrir, en cliquant "
                                      u"sur le bouton Parcourir."_qs);
            return false;
        }
        if (!QFileInfo(r.nomProgMail).isFile()) {
            dialogues().avertissement(u"Le programme de messagerie que vous avez indiqué n'existe pas."_qs);
            return false;
        }
    }
    if (!commun().info().setMessagerie(r)) {
        dialogues().erreur(InfoIni::messageEcritureImpossible());
        return false;
    }
    return true;
}

} // namespace velorin
