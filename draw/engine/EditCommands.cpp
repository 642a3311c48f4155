#include <algorithm>
#include <optional>
#include <type_traits>
#include <variant>

#include "draw/engine/Commands.h"
#include "draw/engine/Placement.h"

namespace mirota::drawing {

namespace {

using Selection = std::vector<std::uint64_t>;  // ids, rising

// The first object whose id is not below id: ids rise through the drawing, so a selection's objects
// lie from its first id on, and a command on the last few objects need not pass over all the others.
template <typename Entities>
auto objectsFrom(Entities& entities, std::uint64_t id) {
    return std::lower_bound(entities.begin(), entities.end(), id,
                            [](const Entity& entity, std::uint64_t wanted) { return entity.id < wanted; });
}

bool onLockedLayer(const Drawing& drawing, const Entity& entity) {
    const Layer* layer = drawing.findLayer(entity.layer);
    return layer && layer->locked;
}

// Reads "Select objects" answers up to the empty one. "all" takes every object and "p" the previous
// selection; objects on locked layers are left out, as the CAD program leaves them out.
std::optional<Selection> selectObjects(CommandContext& context) {
    const Drawing& drawing = context.drawing;
    bool all = false;
    bool previous = false;
    while (true) {
        const auto answer = context.input.answer("オブジェクト選択");
        if (!answer) return std::nullopt;
        if (answer->empty()) break;
        if (isKeyword(*answer, "ALL")) {
            all = true;
        } else if (isKeyword(*answer, "Previous")) {
            previous = true;
        } else {
            context.input.refuse("選択の方法（all、p）ではありません");
            return std::nullopt;
        }
    }
    const Selection& before = context.memory.previousSelection;
    Selection selection;
    if (!all && (!previous || before.empty())) return selection;
    for (auto entity = all ? drawing.entities.begin() : objectsFrom(drawing.entities, before.front());
         entity != drawing.entities.end(); ++entity) {
        const bool chosen = all || std::binary_search(before.begin(), before.end(), entity->id);
        if (chosen && !onLockedLayer(drawing, *entity)) selection.push_back(entity->id);
    }
    return selection;
}

// Applies a change to every selected object.
template <typename Change>
void changeSelected(Drawing& drawing, const Selection& selection, Change change) {
    if (selection.empty()) return;
    for (auto entity = objectsFrom(drawing.entities, selection.front()); entity != drawing.entities.end(); ++entity) {
        if (std::binary_search(selection.begin(), selection.end(), entity->id)) std::visit(change, entity->shape);
    }
}

Point shifted(Point p, Point by) { return {p.x + by.x, p.y + by.y}; }

}  // namespace

void runMove(CommandContext& context) {
    const auto selection = selectObjects(context);
    if (!selection || selection->empty()) return;  // nothing selected ends the command
    const auto base = context.input.point("移動の基点");
    if (!base) return;
    const auto second = context.input.answer("移動先の点");
    if (!second) return;
    Point by = *base;  // an empty answer takes the first point as the displacement
    if (!second->empty()) {
        const auto destination = context.input.pointFromAnswer();
        if (!destination) return;
        by = {destination->x - base->x, destination->y - base->y};
    }
    changeSelected(context.drawing, *selection, [&](auto& shape) {
        using T = std::decay_t<decltype(shape)>;
        if constexpr (std::is_same_v<T, Line>) {
            shape.start = shifted(shape.start, by);
            shape.end = shifted(shape.end, by);
        } else if constexpr (std::is_same_v<T, Circle>) {
            shape.centre = shifted(shape.centre, by);
        } else {
            shape.position = shifted(shape.position, by);
        }
    });
    context.memory.previousSelection = *selection;
}

void runRotate(CommandContext& context) {
    const auto selection = selectObjects(context);
    if (!selection || selection->empty()) return;
    const auto base = context.input.point("回転の基点");
    if (!base) return;
    const auto angle = context.input.number("回転角度");
    if (!angle) return;
    changeSelected(context.drawing, *selection, [&](auto& shape) {
        using T = std::decay_t<decltype(shape)>;
        if constexpr (std::is_same_v<T, Line>) {
            shape.start = rotated(shape.start, *base, *angle);
            shape.end = rotated(shape.end, *base, *angle);
        } else if constexpr (std::is_same_v<T, Circle>) {
            shape.centre = rotated(shape.centre, *base, *angle);
        } else {
            shape.position = rotated(shape.position, *base, *angle);
            shape.rotation = normalizedDegrees(shape.rotation + *angle);
        }
    });
    context.memory.previousSelection = *selection;
}

void runErase(CommandContext& context) {
    const auto selection = selectObjects(context);
    if (!selection || selection->empty()) return;
    auto& entities = context.drawing.entities;
    entities.erase(std::remove_if(entities.begin(), entities.end(),
                                  [&](const Entity& entity) {
                                      return std::binary_search(selection->begin(), selection->end(), entity.id);
                                  }),
                   entities.end());
    context.memory.previousSelection = *selection;
}

}  // namespace mirota::drawing
