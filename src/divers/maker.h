#pragma once

// The maker's texts, kept in one place: the about window shows them, the title bar
// shows the web address, and the web site link opens it.

namespace talco::maker {

inline constexpr char16_t Name[] = u"Korvelsoft";
inline constexpr char16_t Street[] = u"1 rue des Calculs";
inline constexpr char16_t TownLine[] = u"75000 Paris";
inline constexpr char16_t Country[] = u"France";
inline constexpr char16_t WebAddress[] = u"www.korvelsoft.com";
inline constexpr char16_t WebSite[] = u"https://www.korvelsoft.com";

} // namespace talco::maker
