#pragma once

// Pictures written into the program folder, for the code that loads them:
//
// Cards (writeCards): the point and colour lists "Karta/Karta0.krt", "Karta/Karta.krt",
// "Ryb/R90gr.rbk", "Ryb/Ryb0.rbk", "Ryb/Ryb90.rbk"; "Pictures/back1.png" .. "Pictures/back8.png",
// the card-back dialog's thumbnails, 71 x 96, the 12 cut-off corner pixels transparent.
// Suits: 1 hearts, 2 diamonds (red), 3 spades, 4 clubs (black); card identifier = 4 x rank index
// + suit, rank index 0..7 = 7, 8, 9, 10, jack, queen, king, ace.
//
// Backgrounds (writeBackgrounds): "Fon/fon0.pol", "Fon/Fon.pol"; "Pictures/fon1.png" ..
// "Pictures/fon10.png", the background dialog's thumbnails, 100 x 100.
//
// Pictures (writePictures), for an about box of 566 x 182 client pixels:
// "Pictures/about1.png" 238 x 182 at client (0, 0); "Pictures/about2.png" 337 x 83 at (229, 0),
// its close box at client (544, 6) .. (561, 23); "Pictures/about3.png" 335 x 56 at (231, 125).
// "Pictures/icon.png", the application icon, 64 x 64 with transparency.
// "Pictures/hand.png", the hand cursor, 32 x 32 with transparency, hot spot (11, 1).

namespace datagen {

class Output;

/// Card faces and backs: "Karta/Karta0.krt", "Karta/Karta.krt", "Ryb/R90gr.rbk",
/// "Ryb/Ryb0.rbk", "Ryb/Ryb90.rbk" and the card-back thumbnails.
void writeCards(const Output& out);
/// Table backgrounds: "Fon/fon0.pol", "Fon/Fon.pol" and their thumbnails.
void writeBackgrounds(const Output& out);
/// Announcement sheet "Opovechenie/Opov.opv" and suit glyphs "Opovechenie/Mast.mst".
void writeAnnouncements(const Output& out);
/// Intro model "Zastavka.zst".
void writeIntroModel(const Output& out);
/// Sound effects and the voiced phrases of both voices.
void writeSounds(const Output& out);
/// About-box pictures, application icon and hand cursor.
void writePictures(const Output& out);
/// Help page "help/index.htm" (opened by "Вывод справки") and the contact page "mail/mail.htm".
void writePages(const Output& out);

} // namespace datagen
