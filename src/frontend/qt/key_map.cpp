#include "frontend/qt/key_map.h"

#include <QKeySequence>

namespace fw {

std::optional<ev::Key> MachineKey(int key, Qt::KeyboardModifiers modifiers) {
    // Qt's name of the key: "C", "Space", "Return", "Esc", "F1", "+".
    const std::string name = QKeySequence(key).toString(QKeySequence::PortableText).toStdString();
    const HeldKeys held{modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
                        modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::MetaModifier)};
    return MeaningOfKey(name, held).machine;
}

}  // namespace fw
