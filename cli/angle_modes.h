// The angle mode of the trigonometric functions, switched for one session by ":angle".
//
// The engine fills the trigonometric entries of its built-in table for one mode, at InitEngine. The
// entries of every mode are therefore taken from InitEngine itself once, before the engine is set up
// for the session, and a switch puts those of the chosen mode into the live table. Parse trees hold a
// built-in's position, not its function, so formulas and user functions follow the switch at once.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Call before the engine is set up for the session: it sets the engine up and down once per mode.
void LearnAngleModes();

// Switches the live built-in table; call while the engine is set up.
void SwitchAngleMode(std::uint16_t mode);

// "rad", "deg" or "gra" as 0, 1 or 2; nothing for any other text.
std::optional<std::uint16_t> AngleModeNamed(std::string_view name);
