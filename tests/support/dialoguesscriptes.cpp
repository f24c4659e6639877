#include "dialoguesscriptes.h"

#include <QDialog>
#include <QMenu>

namespace {

QString nomGenre(DialoguesScriptes::Genre g) {
    static const char* const noms[] = {"message", "saisie", "dossier", "couleur",
                                       "fenêtre", "menu",   "police",  "programme"};
    return QString::fromUtf8(noms[int(g)]);
}

} // namespace

void DialoguesScriptes::attendreMessage(const QString& texte, Reponse reponse) {
    m_attendus.append({Genre::Message, texte, reponse, {}, {}});
}

void DialoguesScriptes::attendreMessages(const QStringList& textes) {
    for (const QString& t : textes) {
        if (t.startsWith(QLatin1String("saisie:"))) {
            attendreSaisie(t.section(QLatin1Char('|'), 1),
                           t.section(QLatin1Char('|'), 0, 0).mid(7));
            continue;
        }
        const QString reponse = t.section(QLatin1Char(':'), 0, 0);
        const Reponse r = reponse == QLatin1String("oui")       ? Reponse::Oui
                          : reponse == QLatin1String("non")     ? Reponse::Non
                          : reponse == QLatin1String("annuler") ? Reponse::Annuler
                                                                : Reponse::Ok;
        attendreMessage(r == Reponse::Ok ? t : t.section(QLatin1Char(':'), 1), r);
    }
}

void DialoguesScriptes::attendreSaisie(const QString& texte, const QString& reponse) {
    m_attendus.append({Genre::Saisie, texte, Reponse::Ok, reponse, {}});
}

void DialoguesScriptes::attendreDossier(const QString& reponse) {
    m_attendus.append({Genre::Dossier, {}, Reponse::Ok, reponse, {}});
}

void DialoguesScriptes::attendreProgramme(const QString& reponse) {
    m_attendus.append({Genre::Programme, {}, Reponse::Ok, reponse, {}});
}

void DialoguesScriptes::attendreFenetre(const QString& nomObjet,
                                        std::function<int(QDialog&)> script) {
    m_attendus.append({Genre::Fenetre, nomObjet, Reponse::Ok, {}, std::move(script)});
}

void DialoguesScriptes::attendreMenu(const QString& nomMenu, const QString& nomAction) {
    m_attendus.append({Genre::Menu, nomMenu, Reponse::Ok, nomAction, {}});
}

QStringList DialoguesScriptes::textes() const {
    QStringList t;
    for (const Vue& v : m_vues)
        t.append(v.texte);
    return t;
}

QString DialoguesScriptes::rapport() const {
    QStringList lignes = m_erreurs;
    for (const Attendu& a : m_attendus)
        lignes.append(
            QStringLiteral("attendu, jamais montré : %1 « %2 »").arg(nomGenre(a.genre), a.texte));
    return lignes.join(QLatin1Char('\n'));
}

void DialoguesScriptes::effacer() {
    m_attendus.clear();
    m_vues.clear();
    m_erreurs.clear();
}

std::optional<DialoguesScriptes::Attendu> DialoguesScriptes::prendre(Genre genre,
                                                                     const QString& texte) {
    if (m_attendus.isEmpty()) {
        m_erreurs.append(QStringLiteral("inattendu : %1 « %2 »").arg(nomGenre(genre), texte));
        return std::nullopt;
    }
    const Attendu a = m_attendus.takeFirst();
    if (a.genre != genre) {
        m_erreurs.append(QStringLiteral("attendu %1 « %2 », montré %3 « %4 »")
                             .arg(nomGenre(a.genre), a.texte, nomGenre(genre), texte));
        return std::nullopt;
    }
    if (!a.texte.isEmpty() && a.texte != texte) {
        m_erreurs.append(QStringLiteral("texte attendu « %1 », montré « %2 »").arg(a.texte, texte));
        return std::nullopt;
    }
    return a;
}

Dialogues::Reponse DialoguesScriptes::Message(const QString& texte, Icone icone, Boutons boutons,
                                              int boutonDefaut, const QString& titre) {
    m_vues.append({Genre::Message, texte, titre, icone, boutons, boutonDefaut});
    if (m_attendus.isEmpty() && libre && libre->message)
        return libre->message(m_vues.last());
    const auto a = prendre(Genre::Message, texte);
    if (!a)
        return boutons == Boutons::Ok
                   ? Reponse::Ok
                   : (boutons == Boutons::OuiNon ? Reponse::Non : Reponse::Annuler);
    return a->reponse;
}

QString DialoguesScriptes::Saisie(const QString& invite, const QString& titre,
                                  const QString& defaut) {
    m_vues.append({Genre::Saisie, invite, titre, Icone::Aucune, Boutons::Ok, 0});
    Q_UNUSED(defaut);
    if (m_attendus.isEmpty() && libre && libre->saisie)
        return libre->saisie(m_vues.last());
    const auto a = prendre(Genre::Saisie, invite);
    return a ? a->saisie : QString();
}

QString DialoguesScriptes::ChoisirDossier(const QString& invite) {
    m_vues.append({Genre::Dossier, invite, {}, Icone::Aucune, Boutons::Ok, 0});
    const auto a = prendre(Genre::Dossier, invite);
    return a ? a->saisie : QString();
}

std::optional<QColor> DialoguesScriptes::ChoisirCouleur(const QColor&) {
    m_vues.append({Genre::Couleur, {}, {}, Icone::Aucune, Boutons::Ok, 0});
    // No test chooses a colour: one asked for is unexpected.
    prendre(Genre::Couleur, {});
    return std::nullopt;
}

std::optional<QFont> DialoguesScriptes::ChoisirPolice(const QFont&) {
    m_vues.append({Genre::Police, {}, {}, Icone::Aucune, Boutons::Ok, 0});
    prendre(Genre::Police, {});
    return std::nullopt;
}

int DialoguesScriptes::Executer(QDialog& fenetre) {
    m_vues.append({Genre::Fenetre, fenetre.objectName(), fenetre.windowTitle(), Icone::Aucune,
                   Boutons::Ok, 0});
    if (m_attendus.isEmpty() && libre && libre->fenetre)
        return libre->fenetre(fenetre);
    const auto a = prendre(Genre::Fenetre, fenetre.objectName());
    if (!a || !a->script)
        return QDialog::Rejected;
    return a->script(fenetre);
}

void DialoguesScriptes::AfficherMenu(QMenu& menu, const QPoint&) {
    m_vues.append({Genre::Menu, menu.objectName(), menu.title(), Icone::Aucune, Boutons::Ok, 0});
    QString article;
    if (m_attendus.isEmpty() && libre && libre->menu) {
        article = libre->menu(menu);
    } else {
        const auto a = prendre(Genre::Menu, menu.objectName());
        if (!a)
            return;
        article = a->saisie;
    }
    if (article.isEmpty())
        return;
    QAction* action = menu.findChild<QAction*>(article);
    if (!action) {
        m_erreurs.append(QStringLiteral("le menu « %1 » n'a pas d'article « %2 »")
                             .arg(menu.objectName(), article));
        return;
    }
    if (!action->isEnabled()) {
        m_erreurs.append(QStringLiteral("l'article « %1 » est désactivé").arg(article));
        return;
    }
    action->trigger();
}

QString DialoguesScriptes::ChoisirProgramme(const QString& titre, const QString& dossier) {
    m_vues.append({Genre::Programme, titre, dossier, Icone::Aucune, Boutons::Ok, 0});
    const auto a = prendre(Genre::Programme, titre);
    return a ? a->saisie : QString();
}
