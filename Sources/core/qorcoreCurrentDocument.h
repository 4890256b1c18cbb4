// The client's accessor of the host's current document: its layers, whether any layer holds selected
// art, and deselection. It holds nothing about the document; every call asks the host-application
// singleton for the document of the moment.
#pragma once

#include <cstdint>
#include <memory>

namespace qor {
namespace core {

class Layer;
class __IntCurrDocData;

class CurrentDocument {
public:
    CurrentDocument();
    CurrentDocument(const CurrentDocument&) = delete;
    CurrentDocument& operator=(const CurrentDocument&) = delete;
    ~CurrentDocument();

    bool anyLayerHasSelectedArt() const;
    void deselectAll() const;
    std::unique_ptr<Layer> firstLayer() const;
    std::unique_ptr<Layer> layerAt(int32_t index) const;
    int32_t layerCount() const;

private:
    __IntCurrDocData* data_;
};

}  // namespace core
}  // namespace qor
