#include "rbext/slot_names.h"

#include <string_view>

#include "platform/errors.h"

namespace vantrel {
namespace {

struct NamedSlot {
  std::uint8_t classCode;
  std::uint8_t typeIndex;
  std::string_view name;
};

// Blanks at either end are part of the names: the list shows them between code and name.
constexpr std::array<std::string_view, kSlotClasses> kClassLabels = {
    "00 - Flights ",              // 00
    "01 - Brigades ",             // 01
    "02-  Landmarks ",            // 02
    "03 - Aircraft ",             // 03
    "04 - Soldiers ",             // 04
    "05 - unknown/Dummy 1 clas",  // 05
    "06 - Vehicles",              // 06
    "07 - Air Defenses",          // 07
    "08 - Ground Forces",         // 08
    "09 - Structures",            // 09
    "0a - Debris",                // 0A
    "0b - Projectile class",      // 0B
    "0c - Explosion Class",       // 0C
    "0d - Smoke Class",           // 0D
    "0e - Clouds",                // 0E
    "0f - Squadrons",             // 0F
    "10 - Pilots",                // 10
    "11 - Celestial",             // 11
    "12 - Fire",                  // 12
    "13 - Cie infantry",          // 13
    "14 - City tiles",            // 14
};

constexpr NamedSlot kNamedSlots[] = {
    {0x02, 0x00, " aero"},
    {0x02, 0x01, " city"},
    {0x02, 0x02, " supply"},
    {0x02, 0x03, " railyard"},
    {0x02, 0x04, " railbridge"},
    {0x02, 0x05, " factory"},
    {0x02, 0x06, " DOES NOT WORK but no DTD"},
    {0x02, 0x07, " town"},
    {0x02, 0x08, " village"},
    {0x02, 0x09, " DOES NOT WORK but no DTD"},
    {0x02, 0x0A, " lndmrk, DTD in MMP"},
    {0x02, 0x0B, " lndmrk, DTD in MMP"},
    {0x03, 0x00, " Fok EIII"},
    {0x03, 0x01, " Aviatik  C.1"},
    {0x03, 0x02, "  Albatros C.3  "},
    {0x03, 0x03, "  Roland CL.2"},
    {0x03, 0x04, "  Albatros D.2     "},
    {0x03, 0x05, "  Halberstadt D.2"},
    {0x03, 0x06, "  Albatros D.3 "},
    {0x03, 0x07, "  Rumpler C.4"},
    {0x03, 0x08, "  Albatros D.Va"},
    {0x03, 0x09, "  Gotha G.4"},
    {0x03, 0x0A, "  Fokker Dr.1    "},
    {0x03, 0x0B, "  Hannover CL.3"},
    {0x03, 0x0C, "  Pfalz D.3         "},
    {0x03, 0x0D, "  Halberstadt CL.2"},
    {0x03, 0x0E, "  unused , intended for L"},
    {0x03, 0x0F, "  Fokker D.7     "},
    {0x03, 0x10, "  Pfalz D.12"},
    {0x03, 0x11, "  unused , intended for Z"},
    {0x03, 0x12, "  German Balloon"},
    {0x03, 0x13, "  Morane Saulnier \"N\" Bul"},
    {0x03, 0x14, "  Nieuport 11 "},
    {0x03, 0x15, "  Nieuport 17 "},
    {0x03, 0x16, "  unused , intended for C"},
    {0x03, 0x17, "  Spad 7  "},
    {0x03, 0x18, "  Nieuport 24    "},
    {0x03, 0x19, "  Salmson 2a2  "},
    {0x03, 0x1A, "  Breguet 14 "},
    {0x03, 0x1B, "  Spad 13  "},
    {0x03, 0x1C, "  Nieuport 28"},
    {0x03, 0x1D, "  B.E.2e   "},
    {0x03, 0x1E, "  D.H.2    "},
    {0x03, 0x1F, "  F.E.2b"},
    {0x03, 0x20, "  Sopwith Strutter 1.5"},
    {0x03, 0x21, "  Sopwith Pup   "},
    {0x03, 0x22, "  Sopwith Triplane"},
    {0x03, 0x23, "  R.E.8"},
    {0x03, 0x24, "  Sopwith Camel"},
    {0x03, 0x25, "  S.E.5a "},
    {0x03, 0x26, "  D.H.4"},
    {0x03, 0x27, "  Handley Page 0/400  "},
    {0x03, 0x28, "  Sopwith Snipe    "},
    {0x03, 0x29, "  Allied Balloon "},
    {0x03, 0x2A, "  Bristol Fighter"},
    {0x06, 0x00, " AA Truck"},
    {0x06, 0x01, " Truck 1"},
    {0x06, 0x02, " Truck 2"},
    {0x06, 0x03, " Staff Car"},
    {0x06, 0x04, " Ambulance"},
    {0x06, 0x05, " Train, 2 end Engines"},
    {0x06, 0x06, " Train, Normal Engine"},
    {0x06, 0x07, " Train, Gray Boxcar"},
    {0x06, 0x08, " Train, Brown Boxcar"},
    {0x06, 0x09, " Train, Coal Car"},
    {0x06, 0x0A, " Train, Passenger Car"},
    {0x06, 0x0C, " Train, Flat Car"},
    {0x06, 0x0D, " Tank, Large Allied"},
    {0x06, 0x0E, " Tank, Large German"},
    {0x06, 0x0F, " Tank, Small Allied"},
    {0x06, 0x10, " Tank, Small German"},
    {0x07, 0x04, " Observation Tower"},
    {0x07, 0x06, " Flak Gun, Allied"},
    {0x07, 0x07, " Flak Gun, German"},
    {0x08, 0x01, " MG Nest, Allied"},
    {0x08, 0x02, " Artillery, Allied"},
    {0x08, 0x04, " Slit Trench"},
    {0x08, 0x05, " MG Nest, German"},
    {0x08, 0x06, " Observation Point"},
    {0x08, 0x07, " Observation Balloon, All"},
    {0x08, 0x08, " Observation Balloon, Ger"},
    {0x08, 0x09, " Artillery, German"},
    {0x09, 0x00, " Warehouse"},
    {0x09, 0x01, " Green Tent"},
    {0x09, 0x02, " Hangar, Large"},
    {0x09, 0x03, " Hangar, Small"},
    {0x09, 0x04, " Barracks"},
    {0x09, 0x05, " Zepplin Hanger , not ena"},
    {0x09, 0x06, " Church"},
    {0x09, 0x07, " Town Building 1"},
    {0x09, 0x08, " Town Building 2"},
    {0x09, 0x09, " Town Building 3"},
    {0x09, 0x0A, " Farm House"},
    {0x09, 0x0B, " Barn"},
    {0x09, 0x0D, " Shack"},
    {0x09, 0x0F, "  ==> Tolvas Trees ;) "},
    {0x09, 0x10, " Bridge, Road Ramp"},
    {0x09, 0x12, " Train Station"},
    {0x09, 0x1B, " Factory"},
    {0x09, 0x1D, " Manor House"},
    {0x09, 0x1E, " Cement Bunker"},
    {0x09, 0x1F, " Wood Bunker"},
    {0x09, 0x22, " Bridge, Road Center"},
    {0x09, 0x23, " Bridge, Steel Sides"},
    {0x09, 0x24, " Bridge, Column"},
    {0x09, 0x25, " Bridge, Rail Center"},
    {0x09, 0x26, " Bridge, Rail Ramp"},
};

std::string CutToCapacity(std::string_view text) {
  return std::string(text.substr(0, kSlotNameCapacity));
}

}  // namespace

std::string_view SlotClassLabel(int classNumber) {
  if (classNumber < 0 || classNumber >= kSlotClasses) throw RangeError();
  return kClassLabels[static_cast<std::size_t>(classNumber)];
}

void BuildSlotNameTable(SlotNameTable& table) {
  for (std::size_t c = 0; c < table.size(); ++c) {
    for (std::string& cell : table[c]) cell = CutToCapacity(kClassLabels[c]);
  }
  for (const NamedSlot& slot : kNamedSlots) {
    table.at(slot.classCode).at(slot.typeIndex) = CutToCapacity(slot.name);
  }
}

}  // namespace vantrel
