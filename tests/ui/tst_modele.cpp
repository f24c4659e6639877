// The renaming commands driven at random through the window, each checked against a small
// model of the folder written here: no file lost or doubled (folder and trash together), the
// list showing the folder's names, and the names the model expects. A failure prints its
// seed and the shortest sequence of commands that still fails.
//   VIMBRAL_GRAINES=200 build/tests/ui/tst_modele      (more seeds than the default)
#include "banc.h"
#include "etatprogramme.h"
#include "frmchoixincrementation.h"
#include "frmphoto.h"
#include "frmrenom.h"
#include "incrementation.h"
#include "listefichiers.h"
#include "outilsfenetre.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>

#include <tuple>

namespace {

const QString L = QStringLiteral(" _ ");
const QString M = QStringLiteral("   [M]");

// ---- The model: the names the program should give, computed without its code ----

QString sansMarque(const QString& n) {
    return n.endsWith(M) ? n.chopped(M.size()) : n;
}

// The extension of an incremented name: the last four characters when they begin with a
// dot, else from the last dot; its letters lower-cased.
QString extension(const QString& nom) {
    const QString base = sansMarque(nom);
    qsizetype debut =
        base.size() >= 4 && base[base.size() - 4] == u'.' ? base.size() - 4 : base.lastIndexOf('.');
    if (debut <= 0)
        return {};
    QString e = base.mid(debut);
    qsizetype fin = 1;
    while (fin < e.size() && e[fin].isLetterOrNumber())
        ++fin;
    return e.left(fin).toLower() + e.mid(fin);
}

QString texte(const QString& nom) {
    const QString base = sansMarque(nom);
    return base.left(base.size() - extension(nom).size());
}

bool refuse(const QString& n) {
    return n.isEmpty() || n.startsWith('.') || n.contains('/') || n.contains(QChar(0));
}

bool interdit(const QString& t) {
    for (const QChar c : QStringLiteral("\\/:*?\"<>") + QChar(0))
        if (t.contains(c))
            return true;
    return false;
}

// The folder as the model sees it: each file by its unique content.
struct Dossier {
    QMap<QString, QByteArray> noms;
    QSet<QByteArray> corbeille;
};

using Lot = QList<std::tuple<QByteArray, QString, QString>>; // content, old name, new name

// A batch as the program applies it: every old name checked first, then rename after
// rename until a refused name, a taken name, a missing file or the allowance stops it.
bool appliquer(Dossier& d, const QList<QPair<QString, QString>>& etapes, int& permis, Lot& fait,
               bool verifier = true) {
    if (verifier)
        for (const auto& [ancien, nouveau] : etapes)
            if (!d.noms.contains(ancien))
                return false;
    for (const auto& [ancien, nouveau] : etapes) {
        if (refuse(nouveau))
            return false;
        if (ancien == nouveau)
            continue;
        if (permis == 0 || !d.noms.contains(ancien) || d.noms.contains(nouveau))
            return false;
        --permis;
        const QByteArray c = d.noms.take(ancien);
        d.noms.insert(nouveau, c);
        fait.append({c, ancien, nouveau});
    }
    return true;
}

// The list of picture types shows the marked names and the pictures.
bool visible(const QString& n) {
    const QString ext = n.mid(n.lastIndexOf('.') + 1).toLower();
    return n.endsWith(M) || QStringList{"bmp", "jpg", "jpeg", "gif", "wmf", "ico"}.contains(ext);
}

// The listing order: marked names first, then the pictures, case folded to upper case.
QStringList liste(const Dossier& d) {
    QStringList marques, autres;
    for (const QString& n : d.noms.keys())
        if (visible(n))
            (n.endsWith(M) ? marques : autres).append(n);
    auto trier = [](QStringList& l) {
        std::sort(l.begin(), l.end(), [](const QString& a, const QString& b) {
            return a.toUpper() != b.toUpper() ? a.toUpper() < b.toUpper() : a < b;
        });
    };
    trier(marques);
    trier(autres);
    return marques + autres;
}

QString echange(const QString& nom) {
    if (!nom.contains(L))
        return nom;
    const QStringList p = nom.split(L);
    return texte(p.last()) + L + p.first() + extension(p.last());
}

// ---- The commands ----

struct Commande {
    enum Genre {
        Incrementer,
        Clavier,
        Marquer,
        Demarquer,
        Remplacer,
        Droite,
        Annuler,
        Rafraichir,
        Copier,
        Couper,
        Supprimer
    };
    Genre genre = Rafraichir;
    QList<int> choix;
    QString texte, texte2, depart;
    bool droite = false, oui = true, oui2 = false, clavierZ = false;
    int permis = -1;
    bool disparu = false, intrus = false;

    QString decrire() const {
        static const char* noms[] = {"incrémenter",       "clavier",    "marquer",
                                     "démarquer",         "remplacer",  "à droite",
                                     "annuler (journal)", "rafraîchir", "copier-coller",
                                     "couper-coller",     "supprimer"};
        QStringList c;
        for (int i : choix)
            c.append(QString::number(i));
        return QStringLiteral("%1 [%2] «%3» «%4» départ %5%6%7%8%9%10")
            .arg(QString::fromUtf8(noms[genre]), c.join(','), texte, texte2, depart,
                 droite ? " à droite" : "", oui ? " oui" : " non", oui2 ? " oui2" : "",
                 permis >= 0 ? QStringLiteral(" permis %1").arg(permis) : QString(),
                 QString(disparu ? " disparu" : "") + (intrus ? " intrus" : ""));
    }
};

Commande tirer(QRandomGenerator& h) {
    Commande c;
    c.genre = Commande::Genre(h.bounded(11));
    const int n = 1 + int(h.bounded(4));
    for (int i = 0; i < n; ++i)
        c.choix.append(int(h.bounded(12)));
    const QStringList titres{"Mer", "Été", "plage", "a:b", ".Cache", "x _ y"};
    const QStringList departs{"1", "01", "7", "001"};
    c.depart = departs[h.bounded(departs.size())];
    c.droite = h.bounded(4) == 0;
    c.oui = h.bounded(5) != 0;
    c.oui2 = h.bounded(2) == 0;
    c.clavierZ = h.bounded(2) == 0;
    switch (c.genre) {
    case Commande::Incrementer:
        c.texte = h.bounded(3) == 0 ? QString() : titres[h.bounded(titres.size())];
        break;
    case Commande::Clavier: {
        const QStringList tapes{"@0",         "@1", "@casse",  "Plage.jpg",   "a:b.jpg",
                                ".cache.jpg", "",   "Vue.JPG", "02 _ Mer.jpg"};
        c.texte = tapes[h.bounded(tapes.size())];
        break;
    }
    case Commande::Remplacer: {
        const QStringList cherches{" _ ", "a", "IMG", "é", "jpg"};
        const QStringList remplaces{"-", "", "b", " _ ", "/"};
        c.texte = cherches[h.bounded(cherches.size())];
        c.texte2 = remplaces[h.bounded(remplaces.size())];
        break;
    }
    default:
        break;
    }
    if (h.bounded(6) == 0 && c.genre != Commande::Annuler)
        c.permis = int(h.bounded(3));
    if (c.genre == Commande::Incrementer || c.genre == Commande::Remplacer ||
        c.genre == Commande::Droite) {
        c.disparu = h.bounded(8) == 0;
        c.intrus = h.bounded(6) == 0;
    }
    return c;
}

// The names of a new folder: numbers, link strings, marks, accents, case-only differences,
// names that collide once renamed.
QStringList dossierAuHasard(QRandomGenerator& h) {
    const QStringList mots{"Plage", "plage", "Été", "Mer", "Port", "Vue"};
    QStringList noms;
    const int n = 3 + int(h.bounded(7));
    while (noms.size() < n) {
        const QString mot = mots[h.bounded(mots.size())];
        QString nom;
        switch (h.bounded(5)) {
        case 0:
            nom = QStringLiteral("IMG_%1.%2")
                      .arg(h.bounded(20), 4, 10, QChar('0'))
                      .arg(h.bounded(2) ? "JPG" : "jpg");
            break;
        case 1:
            nom = QStringLiteral("%1").arg(1 + h.bounded(12), 2, 10, QChar('0')) + L + mot + ".jpg";
            break;
        case 2:
            nom = QString::number(1 + h.bounded(3)) + L + "Mer.jpg";
            break;
        case 3:
            nom = mot + ".jpeg";
            break;
        default:
            nom = mot.toLower() + ".jpg";
        }
        if (h.bounded(5) == 0)
            nom += M;
        if (!noms.contains(nom))
            noms.append(nom);
    }
    return noms;
}

// ---- One run: a folder, a sequence of commands, the checks after each ----

class Course {
public:
    Course(quint32 graine, int numero) : m_prefixe(QStringLiteral("r%1-").arg(numero)) {
        QRandomGenerator h(graine);
        const QStringList noms = dossierAuHasard(h);
        for (int i = 0; i < noms.size(); ++i) {
            const QByteArray c = m_prefixe.toUtf8() + QByteArray::number(i);
            Banc::creerFichier(b.photos() + "/" + noms[i], c);
            m.noms.insert(noms[i], c);
            m_contenus.append(c);
        }
        w = std::make_unique<FenetreOuverte>(b);
        FrmRenom* rapport = w->f.incrementation().rapport();
        QObject::connect(rapport, &FrmRenom::etatFinalAtteint, rapport,
                         [rapport] { QTest::mouseClick(rapport->CmdTer, Qt::LeftButton); });
    }

    // "" when every check holds after the command.
    QString jouer(const Commande& c) {
        m_c = c;
        FrmPhoto& f = w->f;
        b.dialogues.effacer();
        b.dialogues.libre = DialoguesScriptes::Libre{
            [this](const DialoguesScriptes::Vue& v) { return repondre(v); },
            [this](const DialoguesScriptes::Vue& v) { return saisir(v); },
            [this](QDialog& d) { return fenetre(d); }, [this](const QMenu&) { return m_article; }};
        if (c.disparu && !m.noms.isEmpty()) {
            const QString nom = m.noms.firstKey();
            QFile::remove(b.photos() + "/" + nom);
            m_contenus.removeOne(m.noms.take(nom));
        }
        b.fichiers.permis = c.permis >= 0 ? c.permis : 1 << 30;
        int permis = c.permis >= 0 ? c.permis : 1 << 30;
        switch (c.genre) {
        case Commande::Incrementer:
            incrementer(permis);
            break;
        case Commande::Clavier:
            clavier(permis);
            break;
        case Commande::Marquer:
        case Commande::Demarquer:
            marquer(c.genre == Commande::Marquer, permis);
            break;
        case Commande::Remplacer:
            remplacer(permis);
            break;
        case Commande::Droite:
            droite(permis);
            break;
        case Commande::Annuler:
            annuler();
            break;
        case Commande::Rafraichir:
            QTest::mouseClick(f.CmdRefresh, Qt::LeftButton);
            break;
        case Commande::Copier:
        case Commande::Couper:
            coller(c.genre == Commande::Couper, permis);
            break;
        case Commande::Supprimer:
            supprimer();
            break;
        }
        b.fichiers.permis = 1 << 30;
        return verifier();
    }

private:
    QStringList entrees() const { return ::entrees(w->f); }

    void choisirEntrees() {
        FrmPhoto& f = w->f;
        m_choisis.clear();
        const int n = f.LstFF->count();
        if (n == 0)
            return;
        for (int i : m_c.choix)
            if (!m_choisis.contains(i % n))
                m_choisis.append(i % n);
        std::sort(m_choisis.begin(), m_choisis.end());
        bool premier = true;
        for (int i : m_choisis) {
            const QPoint p = f.LstFF->visualItemRect(f.LstFF->item(i)).center();
            QTest::mouseClick(f.LstFF->viewport(), Qt::LeftButton,
                              premier ? Qt::KeyboardModifiers() : Qt::ControlModifier, p);
            premier = false;
        }
    }

    void menu(const char* article) {
        m_article = QString::fromLatin1(article);
        QTest::mouseClick(w->f.CmdOption, Qt::LeftButton);
        m_article.clear();
    }

    Dialogues::Reponse repondre(const DialoguesScriptes::Vue& v) {
        const QString& t = v.texte;
        if (t.startsWith("Ce fichier existe déjà") || t.startsWith("Validez") ||
            t.contains("Voulez-vous annuler le dernier renommage") ||
            t.startsWith("Envoyer à la corbeille"))
            return m_c.oui ? Dialogues::Reponse::Oui : Dialogues::Reponse::Non;
        if (t.startsWith("Cette liste a peut être déjà été incrémentée") ||
            t.startsWith("Voulez-vous revenir"))
            return m_c.oui2 ? Dialogues::Reponse::Oui : Dialogues::Reponse::Non;
        if (v.boutons == Dialogues::Boutons::Ok)
            return Dialogues::Reponse::Ok;
        return Dialogues::Reponse::Oui;
    }

    QString saisir(const DialoguesScriptes::Vue& v) {
        if (v.titre == QLatin1String("Titre de votre liste"))
            return m_c.texte;
        if (v.texte.startsWith("Sous-chaine de caractères recherchée"))
            return m_c.texte;
        if (v.texte.startsWith("Sous-chaine de caractères de remplacement"))
            return m_c.texte2;
        if (v.texte.startsWith("Rang du 1er"))
            return QStringLiteral("1");
        return QStringLiteral("-1");
    }

    int fenetre(QDialog& d) {
        if (auto* c = qobject_cast<FrmChoixIncrementation*>(&d)) {
            c->TxtChiffre->setText(m_c.depart);
            (m_c.droite ? c->Opt2 : c->Opt1)->click();
            c->ChkTitre->setChecked(!m_c.texte.isEmpty());
            c->ChkRenom->setChecked(false);
            c->CmdOK->click();
            return d.result();
        }
        d.accept();
        return d.result();
    }

    void nouveauLot(const Lot& fait) {
        if (!fait.isEmpty())
            m_dernier = fait;
    }

    void incrementer(int& permis) {
        FrmPhoto& f = w->f;
        QTest::mouseClick(f.CmdInc, Qt::LeftButton);
        choisirEntrees();
        const QStringList e = entrees();
        if (m_c.intrus && !m_choisis.isEmpty())
            intrus(QStringLiteral("%1").arg(
                       m_c.depart.toInt(),
                       std::max<int>(QString::number(e.size()).size(), int(m_c.depart.size())), 10,
                       QChar('0')) +
                   L + (m_c.texte.isEmpty() ? texte(e[m_choisis[0]]) : m_c.texte) +
                   extension(e[m_choisis[0]]));
        QTest::mouseClick(f.CmdD, Qt::LeftButton);
        // Nothing chosen: the mode waits for a choice; the user leaves it.
        if (f.CmdA->isVisible())
            QTest::mouseClick(f.CmdA, Qt::LeftButton);
        if (m_choisis.isEmpty())
            return;
        if (!m_c.texte.isEmpty() && (interdit(m_c.texte) || m_c.texte.contains(L)))
            return;
        // The numbering pass, unselected numbered names widened on the way.
        const int largeurListe = int(QString::number(e.size()).size());
        const int largeur = std::max(largeurListe, int(m_c.depart.size()));
        int nombre = m_c.depart.toInt() - 1;
        bool deja = false;
        QList<QPair<QString, QString>> etapes;
        QStringList apres = e;
        for (int i = 0; i < e.size(); ++i) {
            if (!m_choisis.contains(i)) {
                const QString numero = e[i].left(e[i].indexOf(L)).trimmed();
                bool chiffres = !numero.isEmpty();
                for (QChar ch : numero)
                    chiffres = chiffres && ch.isDigit();
                if (e[i].contains(L) && chiffres && numero.size() < largeurListe)
                    etapes.append({e[i], QString(largeurListe - numero.size(), '0') + e[i]});
            } else {
                const QString numero = QStringLiteral("%1").arg(++nombre, largeur, 10, QChar('0'));
                const QString t = m_c.texte.isEmpty() ? texte(e[i]) : m_c.texte;
                deja = deja || (!m_c.droite && t.contains(L));
                etapes.append({e[i], m_c.droite ? t + L + numero + extension(e[i])
                                                : numero + L + t + extension(e[i])});
            }
        }
        for (auto& [ancien, nouveau] : etapes)
            apres[e.indexOf(ancien)] = nouveau;
        Lot fait;
        if (!appliquer(m, etapes, permis, fait)) {
            nouveauLot(fait);
            return;
        }
        nouveauLot(fait);
        if (!deja || !m_c.oui2)
            return;
        // The removal of the first number: first piece, link string, last piece.
        etapes.clear();
        for (int i : m_choisis) {
            const QStringList p = apres[i].split(L);
            etapes.append({apres[i], p.size() < 2 ? apres[i] : p.first() + L + p.last()});
        }
        fait.clear();
        appliquer(m, etapes, permis, fait);
        nouveauLot(fait);
    }

    void clavier(int& permis) {
        FrmPhoto& f = w->f;
        const QStringList e = entrees();
        if (e.isEmpty())
            return;
        const int i = m_c.choix[0] % int(e.size());
        const QPoint p = f.LstFF->visualItemRect(f.LstFF->item(i)).center();
        QTest::mouseClick(f.LstFF->viewport(), Qt::LeftButton, {}, p);
        const QString ancien = e[i];
        QString nouveau = m_c.texte;
        if (nouveau == "@0")
            nouveau = e[0];
        else if (nouveau == "@1")
            nouveau = e[std::min<int>(1, int(e.size()) - 1)];
        else if (nouveau == "@casse") {
            // The case of the text only: the name stays a picture of the list.
            const QString t = texte(ancien);
            nouveau = (t.toUpper() == t ? t.toLower() : t.toUpper()) + ancien.mid(t.size());
        }
        f.TxtFileName->selectAll();
        QTest::keyClick(f.TxtFileName, Qt::Key_Delete);
        taperTexte(f.TxtFileName, nouveau);
        QTest::keyClick(f.TxtFileName, m_c.clavierZ ? Qt::Key_Return : Qt::Key_Up);
        if (nouveau == ancien)
            return;
        const bool autre = m.noms.contains(nouveau);
        const bool casse = nouveau.toUpper() == ancien.toUpper();
        if (!(casse && !autre)) {
            if (nouveau.isEmpty() || interdit(nouveau) || refuse(nouveau))
                return;
            if (autre) {
                if (!m_c.oui)
                    return;
                m.corbeille.insert(m.noms.take(nouveau));
            }
        }
        Lot fait;
        appliquer(m, {{ancien, nouveau}}, permis, fait, false);
        nouveauLot(fait);
    }

    void marquer(bool marque, int& permis) {
        FrmPhoto& f = w->f;
        choisirEntrees();
        const QStringList e = entrees();
        QTest::mouseClick(marque ? f.axBM : f.axBDM, Qt::LeftButton);
        QList<QPair<QString, QString>> etapes;
        for (int i : m_choisis)
            if (e[i].endsWith(M) != marque)
                etapes.append({e[i], marque ? e[i] + M : e[i].chopped(M.size())});
        Lot fait;
        appliquer(m, etapes, permis, fait, false);
        nouveauLot(fait);
    }

    void remplacer(int& permis) {
        menu("mnuremplace");
        choisirEntrees();
        const QStringList e = entrees();
        if (m_c.intrus && !m_choisis.isEmpty())
            intrus(QString(sansMarque(e[m_choisis[0]])).replace(m_c.texte, m_c.texte2));
        menu("mnuremplace");
        if (m_choisis.isEmpty() || interdit(m_c.texte2))
            return;
        if (!m_c.oui) {
            // "Validez ?" answered No unmarks the files chosen.
            QList<QPair<QString, QString>> etapes;
            for (int i : m_choisis)
                if (e[i].endsWith(M))
                    etapes.append({e[i], e[i].chopped(M.size())});
            Lot fait;
            appliquer(m, etapes, permis, fait, false);
            nouveauLot(fait);
            return;
        }
        QStringList apres = e;
        QList<QPair<QString, QString>> etapes;
        for (int i : m_choisis) {
            apres[i] = QString(sansMarque(e[i])).replace(m_c.texte, m_c.texte2);
            etapes.append({e[i], apres[i]});
        }
        if (QSet<QString>(apres.cbegin(), apres.cend()).size() != apres.size())
            return;
        Lot fait;
        appliquer(m, etapes, permis, fait);
        nouveauLot(fait);
    }

    void droite(int& permis) {
        const QStringList e = entrees();
        if (m_c.intrus && !e.isEmpty())
            intrus(echange(e.last()));
        menu("mnuIncrDte");
        if (e.isEmpty() ||
            std::any_of(e.cbegin(), e.cend(), [](const QString& n) { return !n.contains(L); }))
            return;
        for (int passe = 0; passe < (m_c.oui2 ? 2 : 1); ++passe) {
            QList<QPair<QString, QString>> etapes;
            for (const QString& n : passe == 0 ? e : liste(m))
                etapes.append({n, echange(n)});
            Lot fait;
            const bool complet = appliquer(m, etapes, permis, fait);
            nouveauLot(fait);
            if (!complet)
                return;
        }
    }

    void annuler() {
        FrmPhoto& f = w->f;
        if (m_c.clavierZ)
            QTest::keyClick(f.focusWidget() ? f.focusWidget() : f.LstFF, Qt::Key_Z,
                            Qt::ControlModifier);
        else
            menu("mnuAnnulerRenommage");
        if (m_c.clavierZ && qobject_cast<QLineEdit*>(f.focusWidget()) == f.TxtFileName &&
            !f.TxtFileName->text().isEmpty() && b.dialogues.vues().isEmpty())
            return; // the box took back its own typing
        // The files of the last renaming still under their new names go back to their old
        // ones, unless a file staying where it is holds that name.
        QMap<QString, QString> cibles;
        for (const auto& [c, ancien, nouveau] : m_dernier)
            if (ancien != nouveau && m.noms.value(nouveau) == c)
                cibles.insert(nouveau, ancien);
        if (cibles.isEmpty() || !m_c.oui)
            return;
        bool change = true;
        while (change) {
            change = false;
            for (auto it = cibles.begin(); it != cibles.end();) {
                const QString& vers = it.value();
                if (m.noms.contains(vers) && !cibles.contains(vers)) {
                    it = cibles.erase(it);
                    change = true;
                } else {
                    ++it;
                }
            }
        }
        Lot fait;
        QMap<QString, QByteArray> deplaces;
        for (auto it = cibles.cbegin(); it != cibles.cend(); ++it)
            deplaces.insert(it.value(), m.noms.take(it.key()));
        for (auto it = cibles.cbegin(); it != cibles.cend(); ++it)
            fait.append({deplaces.value(it.value()), it.key(), it.value()});
        m.noms.insert(deplaces);
        nouveauLot(fait);
    }

    // A right click on the first entry chosen, and an item of the list's menu.
    void menuListe(const char* article) {
        FrmPhoto& f = w->f;
        m_article = QString::fromLatin1(article);
        const QPoint p = f.LstFF->visualItemRect(f.LstFF->item(m_choisis.first())).center();
        QTest::mouseClick(f.LstFF->viewport(), Qt::RightButton, {}, p);
        m_article.clear();
    }

    void coller(bool couper, int& permis) {
        choisirEntrees();
        if (m_choisis.isEmpty())
            return;
        const QStringList e = entrees();
        menuListe(couper ? "mnuCouper" : "mnuCopier");
        menuListe("mnuCollerRep");
        // Into the folder they come from: each takes "Copie de " and the mark; a second
        // copy of one name stops the paste.
        Lot fait;
        for (int i : m_choisis) {
            const QString nom = e[i];
            const QString suffixe = nom.endsWith(M) ? QString() : M;
            const QString cible = QStringLiteral("Copie de ") + nom + suffixe;
            if (m.noms.contains(cible) || !m.noms.contains(nom))
                return nouveauLot(fait);
            // A copy takes its name through a rename too.
            if (permis == 0)
                return nouveauLot(fait);
            --permis;
            if (!couper) {
                m.noms.insert(cible, m.noms.value(nom));
                m_contenus.append(m.noms.value(nom));
            } else {
                fait.append({m.noms.value(nom), nom, cible});
                m.noms.insert(cible, m.noms.take(nom));
            }
        }
        nouveauLot(fait);
    }

    void supprimer() {
        choisirEntrees();
        if (m_choisis.isEmpty())
            return;
        const QStringList e = entrees();
        menuListe("mnuDelete");
        if (!m_c.oui)
            return;
        for (int i : m_choisis)
            m.corbeille.insert(m.noms.take(e[i]));
    }

    void intrus(const QString& nom) {
        if (refuse(nom) || m.noms.contains(nom) || nom.contains('/'))
            return;
        const QByteArray c = m_prefixe.toUtf8() + "intrus-" + QByteArray::number(++m_intrus);
        Banc::creerFichier(b.photos() + "/" + nom, c);
        m.noms.insert(nom, c);
        m_contenus.append(c);
    }

    QString verifier() {
        QMap<QString, QByteArray> disque;
        for (const QString& n : nomsSurDisque(b.photos()))
            disque.insert(n, Banc::lire(b.photos() + "/" + n));
        // Hidden files too: a copy cut short must leave no part of itself.
        QStringList partout, attendus;
        for (const QString& n : QDir(b.photos()).entryList(QDir::Files | QDir::Hidden))
            partout.append(Banc::lire(b.photos() + "/" + n));
        for (const QString& n : QDir(corbeille()).entryList(QDir::Files))
            if (const QByteArray c = Banc::lire(corbeille() + "/" + n);
                c.startsWith(m_prefixe.toUtf8()))
                partout.append(c);
        for (const QByteArray& c : m_contenus)
            attendus.append(c);
        partout.sort();
        attendus.sort();
        QStringList visibles, l = entrees();
        for (const QString& n : disque.keys())
            if (visible(n))
                visibles.append(n);
        l.sort();
        QString faute;
        if (partout != attendus)
            faute = "contenus : " + partout.join(' ') + "\nattendus : " + attendus.join(' ');
        else if (disque != m.noms)
            faute = QStringLiteral("noms");
        else if (l != visibles)
            faute = "la liste montre : " + l.join(" | ");
        else if (!b.dialogues.erreurs().isEmpty())
            faute = b.dialogues.rapport();
        else if (!w->f.CmdInc->isVisible())
            faute = QStringLiteral("la fenêtre est restée en mode d'incrémentation");
        auto decrire = [](const QMap<QString, QByteArray>& noms) {
            QStringList d;
            for (auto i = noms.cbegin(); i != noms.cend(); ++i)
                d.append(i.key() + "=" + i.value());
            return d.join(" | ");
        };
        if (faute.isEmpty())
            return {};
        return faute + "\nsur le disque : " + decrire(disque) + "\nattendu : " + decrire(m.noms) +
               "\nmessages : " + b.dialogues.textes().join(" // ");
    }

    QString m_prefixe;
    Banc b;
    std::unique_ptr<FenetreOuverte> w;
    Dossier m;
    // Every content that must be somewhere, once for each file holding it.
    QList<QByteArray> m_contenus;
    Commande m_c;
    QList<int> m_choisis;
    QString m_article;
    Lot m_dernier;
    int m_intrus = 0;
};

int g_courses = 0;

// The first failure of a sequence: its index and its message; -1 when none.
std::pair<int, QString> derouler(quint32 graine, const QList<Commande>& commandes) {
    Course course(graine, ++g_courses);
    for (int i = 0; i < commandes.size(); ++i)
        if (const QString e = course.jouer(commandes[i]); !e.isEmpty())
            return {i, e};
    return {-1, {}};
}

} // namespace

class TstModele : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandesAuHasard();
};

void TstModele::commandesAuHasard() {
    const int graines = qEnvironmentVariableIsSet("VIMBRAL_GRAINES")
                            ? qEnvironmentVariableIntValue("VIMBRAL_GRAINES")
                            : 12;
    const quint32 premiere = quint32(qEnvironmentVariableIntValue("VIMBRAL_PREMIERE_GRAINE"));
    for (quint32 graine = std::max(1u, premiere);
         graine < std::max(1u, premiere) + quint32(graines); ++graine) {
        QRandomGenerator h(graine * 7919);
        QList<Commande> commandes;
        for (int i = 0; i < 14; ++i)
            commandes.append(tirer(h));
        auto [etape, erreur] = derouler(graine, commandes);
        if (etape < 0)
            continue;
        // The shortest sequence that still fails: commands taken away one at a time.
        commandes = commandes.mid(0, etape + 1);
        for (int i = int(commandes.size()) - 2; i >= 0; --i) {
            QList<Commande> essai = commandes;
            essai.removeAt(i);
            if (auto [e, m] = derouler(graine, essai); e >= 0) {
                commandes = essai.mid(0, e + 1);
                erreur = m;
                i = std::min(i, int(commandes.size()) - 1);
            }
        }
        QStringList suite;
        for (const Commande& c : commandes)
            suite.append(c.decrire());
        QFAIL(qPrintable(QStringLiteral("graine %1, commandes :\n  %2\n%3")
                             .arg(graine)
                             .arg(suite.join("\n  "), erreur)));
    }
}

VIMBRAL_TEST_MAIN(TstModele)
#include "tst_modele.moc"
