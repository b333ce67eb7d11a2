#pragma once
// The addresses the About and credits boxes show and open.

namespace quillet {

// Quillet has no public home yet. Until it has, its own addresses are on the domain reserved for
// examples (RFC 2606), which can never lead to somebody else.
constexpr const char* kQuilletHomePage = "https://quillet.example/";
constexpr const char* kQuilletMail = "maintainers@quillet.example";

// The Tango Desktop Project, whose public-domain icons all of Quillet's pictures are made from.
constexpr const char* kTangoHomePage = "http://tango.freedesktop.org/";
constexpr const char* kTangoMail = "tango-artists@lists.freedesktop.org";

}  // namespace quillet
