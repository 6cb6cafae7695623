#include "HelpPage.h"

#include "IconPainter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace vexelgen {

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

HelpPage::Texts english() {
    return {
        u("Event display – help"),
        u("The controls"),
        u("The exercise, step by step"),
        u("Invariant mass of two particles (c = 1):"),
        {{"GoBack,GoForward", u("Arrows"),
          u("Go to the previous or the next event. \"Event number:\" shows which one you see.")},
         {"Zoom", u("Close-up"),
          u("Zoom in on the point where the D⁰ decays. The first time, a hint explains how to "
            "rotate.")},
         {"fullscreen", u("Default view"), u("Back to the view of the whole detector.")},
         {"hint", u("Hint"),
          u("Draws the D⁰ and its two decay products as bold lines; the legend explains them.")},
         {"", u("Hide Geometry / Transparency"),
          u("Hide or show the detector, or make it see-through so that the tracks stand out.")},
         {"a,b,c", u("Projections"),
          u("Look at the event in the planes YZ (side view), YX (along the beam) and ZX (from "
            "above).")},
         {"", u("Particle Info"),
          u("Click a track to read its name, mass, energy E, charge q, track-fit chi2 and momentum "
            "px, py, pz. \"Save Particle\" keeps it in \"My Particles\".")},
         {"", u("My Particles"),
          u("Your two particles. \"Calculate\" gives their invariant mass, \"Delete\" removes "
            "them.")},
         {"", u("Histogram"),
          u("\"Add\" puts the mass into your histogram (one per event, near the D⁰ mass), \"Draw\" "
            "shows it, \"Save Histogram\" writes it to a file.")},
         {"", u("Move on to D0 Exercise"),
          u("Closes the event display and makes the second exercise available in the launcher.")}},
        u("Mouse"),
        u("Drag with the left button to rotate the view, turn the wheel to zoom, click a track to "
          "pick it."),
        {u("Press the hint: the bold lines are the D⁰ (black) and its decay products, a kaon and a "
           "pion."),
         u("Click the kaon (K+ blue, K− green) and press \"Save Particle\"."),
         u("Click the pion of opposite charge (π+ magenta, π− red) and press \"Save Particle\"."),
         u("Press \"Calculate\": the invariant mass of the pair appears under \"My Particles\"."),
         u("Is it close to the D⁰ mass, 1864.84 MeV/c²? Then press \"Add\". If not, press "
           "\"Delete\" and try two other tracks."),
         u("Go to the next event with the right arrow and do the same for every event."),
         u("At the end press \"Draw\" to see your mass peak, \"Save Histogram\", then \"Move on to "
           "D0 Exercise\".")}};
}

HelpPage::Texts french() {
    return {
        u("Visualisation des événements – aide"),
        u("Les commandes"),
        u("L'exercice, pas à pas"),
        u("Masse invariante de deux particules (c = 1) :"),
        {{"GoBack,GoForward", u("Flèches"),
          u("Événement précédent ou suivant. \"Num. d'evenement:\" indique celui que vous voyez.")},
         {"Zoom", u("Gros plan"),
          u("Zoom sur le point où le D⁰ se désintègre. La première fois, une aide explique la "
            "rotation.")},
         {"fullscreen", u("Vue par défaut"), u("Retour à la vue du détecteur entier.")},
         {"hint", u("Indice"),
          u("Trace le D⁰ et ses deux produits de désintégration en traits épais ; la légende les "
            "explique.")},
         {"", u("Masquer la geometrie / Transparence"),
          u("Cacher ou montrer le détecteur, ou le rendre transparent pour mieux voir les "
            "traces.")},
         {"a,b,c", u("Projections"),
          u("Voir l'événement dans les plans YZ (de côté), YX (le long du faisceau) et ZX (de "
            "dessus).")},
         {"", u("Information sur les particules"),
          u("Cliquez une trace pour lire son nom, sa masse, son énergie E, sa charge q, le chi2 de "
            "la trace et son impulsion px, py, pz. \"Sauver une particule\" la garde dans \"Mes "
            "particules\".")},
         {"", u("Mes particules"),
          u("Vos deux particules. \"Calculer\" donne leur masse invariante, \"Effacer\" les "
            "retire.")},
         {"", u("Histogramme"),
          u("\"Ajouter\" met la masse dans votre histogramme (une par événement, proche de la "
            "masse "
            "du D⁰), \"Dessiner\" l'affiche, \"Sauver l'histogramme\" l'enregistre dans un "
            "fichier.")},
         {"", u("Quitter"),
          u("Ferme la visualisation et active le second exercice dans le lanceur.")}},
        u("Souris"),
        u("Glisser avec le bouton gauche pour tourner, la molette pour zoomer, un clic sur une "
          "trace pour la choisir."),
        {u("Appuyez sur l'indice : les traits épais sont le D⁰ (noir) et ses produits, un kaon et "
           "un pion."),
         u("Cliquez le kaon (K+ bleu, K− vert) et appuyez sur \"Sauver une particule\"."),
         u("Cliquez le pion de charge opposée (π+ magenta, π− rouge) et appuyez sur \"Sauver une "
           "particule\"."),
         u("Appuyez sur \"Calculer\" : la masse invariante de la paire s'affiche sous \"Mes "
           "particules\"."),
         u("Est-elle proche de la masse du D⁰, 1864,84 MeV/c² ? Alors appuyez sur \"Ajouter\". "
           "Sinon, \"Effacer\" et essayez deux autres traces."),
         u("Passez à l'événement suivant avec la flèche droite et recommencez pour chaque "
           "événement."),
         u("À la fin, \"Dessiner\" pour voir votre pic de masse, \"Sauver l'histogramme\", puis "
           "\"Quitter\".")}};
}

HelpPage::Texts german() {
    return {u("Ereignisanzeige – Hilfe"),
            u("Die Bedienelemente"),
            u("Die Aufgabe, Schritt für Schritt"),
            u("Invariante Masse zweier Teilchen (c = 1):"),
            {{"GoBack,GoForward", u("Pfeile"),
              u("Zum vorigen oder nächsten Ereignis. \"Ereignis-Nr.:\" zeigt, welches du siehst.")},
             {"Zoom", u("Nahansicht"),
              u("Vergrößert die Stelle, an der das D⁰ zerfällt. Beim ersten Mal erklärt ein "
                "Hinweis das Drehen.")},
             {"fullscreen", u("Standardansicht"), u("Zurück zur Ansicht des ganzen Detektors.")},
             {"hint", u("Tipp"),
              u("Zeichnet das D⁰ und seine zwei Zerfallsprodukte als dicke Linien; die Legende "
                "erklärt sie.")},
             {"", u("Geometrie verbergen / Transparenz"),
              u("Detektor aus- oder einblenden oder durchsichtig machen, damit die Spuren "
                "hervortreten.")},
             {"a,b,c", u("Projektionen"),
              u("Das Ereignis in den Ebenen YZ (von der Seite), YX (entlang des Strahls) und ZX "
                "(von oben).")},
             {"", u("Teilchen-Information"),
              u("Klicke eine Spur an: Name, Masse, Energie E, Ladung q, Chi2 der Spur und Impuls "
                "px, py, pz "
                "erscheinen. \"Teilchen speichern\" legt sie unter \"Meine Teilchen\" ab.")},
             {"", u("Meine Teilchen"),
              u("Deine zwei Teilchen. \"Berechnen\" ergibt ihre invariante Masse, \"Loeschen\" "
                "entfernt sie.")},
             {"", u("Histogramm"),
              u("\"Hinzufuegen\" trägt die Masse ins Histogramm ein (eine pro Ereignis, nahe der "
                "D⁰-Masse), "
                "\"Zeichnen\" zeigt es, \"Histogramm speichern\" schreibt es in eine Datei.")},
             {"", u("Schliessen"),
              u("Schließt die Ereignisanzeige und gibt die zweite Aufgabe im Startfenster frei.")}},
            u("Maus"),
            u("Mit gedrückter linker Taste ziehen dreht die Ansicht, das Rad zoomt, ein Klick "
              "wählt eine Spur."),
            {u("Drücke den Tipp: die dicken Linien sind das D⁰ (schwarz) und seine "
               "Zerfallsprodukte, ein Kaon und ein Pion."),
             u("Klicke das Kaon an (K+ blau, K− grün) und drücke \"Teilchen speichern\"."),
             u("Klicke das Pion mit entgegengesetzter Ladung an (π+ magenta, π− rot) und drücke "
               "\"Teilchen speichern\"."),
             u("Drücke \"Berechnen\": die invariante Masse des Paares erscheint unter \"Meine "
               "Teilchen\"."),
             u("Liegt sie nahe der D⁰-Masse, 1864,84 MeV/c²? Dann drücke \"Hinzufuegen\". Sonst "
               "\"Loeschen\" und zwei andere Spuren versuchen."),
             u("Gehe mit dem rechten Pfeil zum nächsten Ereignis und wiederhole das für jedes "
               "Ereignis."),
             u("Zum Schluss \"Zeichnen\" für deinen Massenpeak, \"Histogramm speichern\", dann "
               "\"Schliessen\".")}};
}

HelpPage::Texts italian() {
    return {
        u("Visualizzatore di eventi – aiuto"),
        u("I comandi"),
        u("L'esercizio, passo per passo"),
        u("Massa invariante di due particelle (c = 1):"),
        {{"GoBack,GoForward", u("Frecce"),
          u("Evento precedente o successivo. \"Numero di evento:\" indica quale stai guardando.")},
         {"Zoom", u("Primo piano"),
          u("Ingrandisce il punto in cui il D⁰ decade. La prima volta un suggerimento spiega come "
            "ruotare.")},
         {"fullscreen", u("Vista iniziale"), u("Torna alla vista dell'intero rivelatore.")},
         {"hint", u("Suggerimento"),
          u("Disegna il D⁰ e i suoi due prodotti di decadimento con linee spesse; la legenda li "
            "spiega.")},
         {"", u("Nascondi la geometria / Trasparenza"),
          u("Nasconde o mostra il rivelatore, o lo rende trasparente perché le tracce si vedano "
            "meglio.")},
         {"a,b,c", u("Proiezioni"),
          u("L'evento nei piani YZ (di lato), YX (lungo il fascio) e ZX (dall'alto).")},
         {"", u("Informazioni sulla particella"),
          u("Clicca una traccia per leggerne nome, massa, energia E, carica q, chi2 della traccia "
            "e impulso "
            "px, py, pz. \"Salva la Particella\" la mette in \"Le mie particelle\".")},
         {"", u("Le mie particelle"),
          u("Le tue due particelle. \"Calcola\" dà la loro massa invariante, \"Cancella\" le "
            "toglie.")},
         {"", u("Istogramma"),
          u("\"Aggiungi\" inserisce la massa nell'istogramma (una per evento, vicina alla massa "
            "del D⁰), "
            "\"Disegna\" lo mostra, \"Salva l'Istogramma\" lo scrive in un file.")},
         {"", u("Esci"),
          u("Chiude il visualizzatore e abilita il secondo esercizio nella finestra iniziale.")}},
        u("Mouse"),
        u("Trascina con il tasto sinistro per ruotare, la rotella per ingrandire, un clic su una "
          "traccia per sceglierla."),
        {u("Premi il suggerimento: le linee spesse sono il D⁰ (nero) e i suoi prodotti, un kaone e "
           "un pione."),
         u("Clicca il kaone (K+ blu, K− verde) e premi \"Salva la Particella\"."),
         u("Clicca il pione di carica opposta (π+ magenta, π− rosso) e premi \"Salva la "
           "Particella\"."),
         u("Premi \"Calcola\": la massa invariante della coppia compare sotto \"Le mie "
           "particelle\"."),
         u("È vicina alla massa del D⁰, 1864,84 MeV/c²? Allora premi \"Aggiungi\". Altrimenti "
           "\"Cancella\" e prova altre due tracce."),
         u("Passa all'evento successivo con la freccia destra e ripeti per ogni evento."),
         u("Alla fine \"Disegna\" per vedere il tuo picco di massa, \"Salva l'Istogramma\", poi "
           "\"Esci\".")}};
}

HelpPage::Texts romanian() {
    return {
        u("Vizualizarea evenimentelor – ajutor"),
        u("Comenzile"),
        u("Exercițiul, pas cu pas"),
        u("Masa invariantă a două particule (c = 1):"),
        {{"GoBack,GoForward", u("Săgeți"),
          u("Evenimentul anterior sau următor. \"Indice eveniment:\" arată care este afișat.")},
         {"Zoom", u("Prim-plan"),
          u("Mărește locul în care se dezintegrează D⁰. Prima dată, un mesaj explică rotirea.")},
         {"fullscreen", u("Vedere inițială"), u("Înapoi la vederea întregului detector.")},
         {"hint", u("Indiciu"),
          u("Desenează D⁰ și cei doi produși de dezintegrare cu linii groase; legenda îi "
            "explică.")},
         {"", u("Ascunde geometria / Transparenta"),
          u("Ascunde sau arată detectorul, ori îl face transparent ca urmele să se vadă mai "
            "bine.")},
         {"a,b,c", u("Proiecții"),
          u("Evenimentul în planele YZ (din lateral), YX (de-a lungul fasciculului) și ZX (de "
            "sus).")},
         {"", u("Informatii particula"),
          u("Apăsați pe o urmă pentru nume, masă, energie E, sarcină q, chi2 al urmei și impuls "
            "px, py, pz. "
            "\"Salveaza particula\" o pune în \"Particulele mele\".")},
         {"", u("Particulele mele"),
          u("Cele două particule alese. \"Calculeaza\" dă masa lor invariantă, \"Sterge\" le "
            "înlătură.")},
         {"", u("Histograma"),
          u("\"Adauga\" pune masa în histogramă (una pe eveniment, apropiată de masa D⁰), "
            "\"Deseneaza\" "
            "o afișează, \"Salveaza histograma\" o scrie într-un fișier.")},
         {"", u("Iesire"),
          u("Închide vizualizarea și activează al doilea exercițiu în fereastra de start.")}},
        u("Mouse"),
        u("Trageți cu butonul stâng pentru rotire, rotița pentru mărire, un clic pe o urmă o "
          "alege."),
        {u("Apăsați indiciul: liniile groase sunt D⁰ (negru) și produșii săi, un kaon și un pion."),
         u("Alegeți kaonul (K+ albastru, K− verde) și apăsați \"Salveaza particula\"."),
         u("Alegeți pionul de sarcină opusă (π+ magenta, π− roșu) și apăsați \"Salveaza "
           "particula\"."),
         u("Apăsați \"Calculeaza\": masa invariantă a perechii apare sub \"Particulele mele\"."),
         u("Este apropiată de masa D⁰, 1864,84 MeV/c²? Atunci apăsați \"Adauga\". Altfel "
           "\"Sterge\" și încercați alte două urme."),
         u("Treceți la evenimentul următor cu săgeata dreaptă și repetați pentru fiecare "
           "eveniment."),
         u("La sfârșit \"Deseneaza\" pentru vârful de masă, \"Salveaza histograma\", apoi "
           "\"Iesire\".")}};
}

QFont font(int pixelSize, bool bold) {
    QFont f("DejaVu Sans");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QImage buttonPicture(const QString& name, qreal scale) {
    if (name == "GoBack")
        return IconPainter::arrow(false, scale);
    if (name == "GoForward")
        return IconPainter::arrow(true, scale);
    if (name == "Zoom")
        return IconPainter::zoom(scale);
    if (name == "fullscreen")
        return IconPainter::defaultView(scale);
    if (name == "hint")
        return IconPainter::hint(scale);
    if (name == "a")
        return IconPainter::projection('Y', 'Z', scale);
    if (name == "b")
        return IconPainter::projection('Y', 'X', scale);
    return IconPainter::projection('Z', 'X', scale);
}

// Draws wrapped text and returns its height.
double drawWrapped(QPainter& p, const QRectF& area, const QString& text) {
    const QRectF bounds =
        p.boundingRect(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    p.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return bounds.height();
}

} // namespace

HelpPage::Texts HelpPage::texts(int language) {
    switch (language) {
    case 2:
        return french();
    case 3:
        return german();
    case 4:
        return italian();
    case 5:
        return romanian();
    default:
        return english();
    }
}

QImage HelpPage::render(int language, qreal scale) {
    const Texts t = texts(language);
    QImage image(kSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(QColor(250, 251, 253));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);

    const QColor ink(30, 38, 52), accent(20, 90, 180), soft(228, 236, 248);
    // Title band.
    QLinearGradient band(0, 0, kSize.width(), 0);
    band.setColorAt(0, QColor(20, 60, 130));
    band.setColorAt(1, QColor(40, 110, 190));
    p.fillRect(QRectF(0, 0, kSize.width(), 64), band);
    p.setPen(Qt::white);
    p.setFont(font(32, true));
    p.drawText(QRectF(28, 0, kSize.width() - 56, 64), Qt::AlignVCenter | Qt::AlignLeft, t.title);

    // Left column: the controls, in the largest type that fits.
    const double leftX = 28, leftW = 840, top = 84;
    p.setPen(accent);
    p.setFont(font(25, true));
    p.drawText(QRectF(leftX, top, leftW, 34), Qt::AlignLeft | Qt::AlignVCenter, t.controlsHeading);
    const double iconW = 122;
    auto drawControls = [&](int bodySize, bool draw) {
        double y = top + 44;
        for (const Control& c : t.controls) {
            double iconBottom = y;
            if (!c.icons.isEmpty()) {
                const QStringList names = c.icons.split(',');
                const double slot = iconW / names.size();
                double x = leftX;
                for (const QString& name : names) {
                    const QImage icon = buttonPicture(name, scale);
                    const QSizeF size = QSizeF(icon.size()) / icon.devicePixelRatio();
                    const double fit = std::min((slot - 4) / size.width(), 30.0 / size.height());
                    const QRectF target(x, y + 2, size.width() * fit, size.height() * fit);
                    if (draw) {
                        p.setPen(QPen(QColor(170, 180, 195), 1));
                        p.setBrush(QColor(236, 238, 242));
                        p.drawRoundedRect(target.adjusted(-1, -1, 1, 1), 3, 3);
                        p.drawImage(target, icon);
                    }
                    x += slot;
                }
                iconBottom = y + 34;
            }
            const QRectF nameArea(leftX + iconW + 8, y, leftW - iconW - 8, 200);
            p.setPen(ink);
            p.setFont(font(bodySize + 1, true));
            const double nameH = draw ? drawWrapped(p, nameArea, c.name)
                                      : p.boundingRect(nameArea, Qt::TextWordWrap, c.name).height();
            const QRectF textArea(leftX + iconW + 8, y + nameH, leftW - iconW - 8, 300);
            p.setFont(font(bodySize, false));
            p.setPen(QColor(55, 62, 75));
            const double textH = draw ? drawWrapped(p, textArea, c.text)
                                      : p.boundingRect(textArea, Qt::TextWordWrap, c.text).height();
            y = std::max(y + nameH + textH, iconBottom) + 8;
        }
        return y;
    };
    int bodySize = 18;
    while (bodySize > 13 && drawControls(bodySize, false) > kSize.height() - 6)
        --bodySize;
    drawControls(bodySize, true);

    // Right column: the steps and the formula.
    const double rightX = 906, rightW = kSize.width() - rightX - 28;
    p.setPen(QPen(QColor(200, 208, 220), 2));
    p.drawLine(QPointF(rightX - 22, top), QPointF(rightX - 22, kSize.height() - 20));
    p.setPen(accent);
    p.setFont(font(25, true));
    p.drawText(QRectF(rightX, top, rightW, 34), Qt::AlignLeft | Qt::AlignVCenter, t.stepsHeading);
    double y = top + 46;
    int number = 1;
    for (const QString& step : t.steps) {
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(QPointF(rightX + 15, y + 13), 15, 15);
        p.setPen(Qt::white);
        p.setFont(font(18, true));
        p.drawText(QRectF(rightX, y - 2, 30, 30), Qt::AlignCenter, QString::number(number++));
        p.setPen(ink);
        p.setFont(font(18, false));
        const double h = drawWrapped(p, QRectF(rightX + 42, y, rightW - 42, 300), step);
        y += std::max(h, 30.0) + 11;
    }
    // The formula the mass is computed with, and the mouse.
    const QRectF box(rightX, y + 2, rightW, 100);
    p.setPen(QPen(QColor(180, 195, 220), 1.5));
    p.setBrush(soft);
    p.drawRoundedRect(box, 10, 10);
    p.setPen(ink);
    p.setFont(font(18, true));
    p.drawText(box.adjusted(18, 10, -18, 0), Qt::AlignLeft | Qt::AlignTop, t.formulaCaption);
    p.setFont(font(26, false));
    p.drawText(box.adjusted(18, 36, -18, -6), Qt::AlignCenter, u("M² = (E₁ + E₂)² − (p⃗₁ + p⃗₂)²"));

    const QRectF mouseBox(rightX, box.bottom() + 16, rightW, kSize.height() - box.bottom() - 36);
    p.setPen(QPen(QColor(180, 195, 220), 1.5));
    p.setBrush(QColor(255, 248, 225));
    p.drawRoundedRect(mouseBox, 10, 10);
    p.setPen(ink);
    p.setFont(font(18, true));
    p.drawText(mouseBox.adjusted(18, 10, -18, 0), Qt::AlignLeft | Qt::AlignTop, t.mouseHeading);
    p.setFont(font(18, false));
    drawWrapped(p, mouseBox.adjusted(18, 38, -18, -8), t.mouseText);
    return image;
}

} // namespace vexelgen
