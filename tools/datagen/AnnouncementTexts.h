#pragma once

#include <array>

namespace datagen {

/// Announcement images 1..37 (index 0 is none).
constexpr int kAnnouncementImages = 37;

/// What announcement image n shows, n = 1..37. The voiced phrase n speaks the same words, so the
/// picture and the voice can never disagree. Suits: 1 hearts, 2 diamonds, 3 spades, 4 clubs.
/// Images 14 and 27 are never shown; they carry a neutral line.
constexpr std::array<const char*, kAnnouncementImages + 1> kAnnouncementText {
    "",
    "Вы торгуетесь первым", // 1: the human bids first
    "Торгуется компьютер", // 2: the computer bids first
    "Козырь черви. Берёте?", // 3..6: the turned-up suit offered as trump
    "Козырь бубны. Берёте?",
    "Козырь пики. Берёте?",
    "Козырь трефы. Берёте?",
    "Назовите масть или пас", // 7: second round, the human speaks first
    "Вам назначать козырь", // 8: second round, the human must name a suit
    "Поменять семёрку козырей?", // 9: offer to exchange the trump seven
    "У вас двадцать", // 10..12: the human's declaration, answered "Объявляю" / "Не объявляю"
    "У вас пятьдесят",
    "У вас пятьдесят и двадцать",
    "Объявить козырную пару?", // 13: the trump queen and king
    "Карточная игра «Вертан»", // 14: unused
    "Пас", // 15: the computer passes, first round
    "Беру", // 16: the computer takes the turned-up suit
    "Пас. Назначайте", // 17: the computer passes, second round
    "Козырь — черви", // 18..21: the computer names a suit
    "Козырь — бубны",
    "Козырь — пики",
    "Козырь — трефы",
    "Я поменял семёрку", // 22: the computer exchanged its trump seven
    "У меня двадцать", // 23..25: the computer's declaration
    "У меня пятьдесят",
    "У меня пятьдесят и двадцать",
    "Козырная пара!", // 26: the computer announces its trump pair
    "Приятной игры!", // 27: unused
    "Беру", // 28..34: button captions
    "Пас",
    "Меняю",
    "Оставляю",
    "Объявляю",
    "Не объявляю",
    "Понятно",
    "Ваш ход", // 35: the human is to lead
    "У вас 6 козырей", // 36, 37: six trumps
    "У меня 6 козырей",
};

/// The images that have a voiced phrase.
constexpr std::array<int, 27> kVoicedImages { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18, 19,
    20, 21, 22, 23, 24, 25, 26, 36, 37 };

/// The about box's link captions: the first opens "mail/mail.htm", the second the game's web page.
constexpr const char* kAboutMailCaption = "Написать автору";
constexpr const char* kAboutWebCaption = "Вертан в Интернете";

} // namespace datagen
