#include "scanners/export_record.hpp"

#include "scanners/field_text.hpp"

namespace vortelin {

namespace {

// Looks for the key in the record's field (`head`); a value found in the
// field after it starts the search for the last value, over the whole record.
void find_keyed(KeyedValues& values, const words::ValuesKey& key, std::string_view head,
                std::string_view piece) {
  values.key_at = head.find(key.key);
  if (values.key_at == std::string_view::npos) return;
  const std::size_t value_start = values.key_at + key.key.size();
  values.first = first_shape(key.kind, head.substr(value_start));
  if (values.first) {
    values.rest.emplace(key.kind);
    values.rest->feed(piece.substr(value_start));
  }
}

// Ready for the next record; cheap, as it runs for every record.
void clear(KeyedValues& values) {
  values.key_at = std::string_view::npos;
  values.first.reset();
  values.rest.reset();
}

}  // namespace

void ExportRecord::begin(const std::optional<TableLayout>& table, bool first_row_pending) {
  table_ = table;
  first_row_pending_ = first_row_pending;
  started_ = false;
  kind_ = Kind::other;
  titles_.reset();
  clear(dates_);
  clear(times_);
}

void ExportRecord::feed(std::string_view piece) {
  if (!started_) {
    started_ = true;
    start(piece);
    return;
  }
  if (kind_ == Kind::sample_row) {
    cells_.feed(piece);
    return;
  }
  if (titles_) titles_->feed(piece);
  if (dates_.rest) dates_.rest->feed(piece);
  if (times_.rest) times_.rest->feed(piece);
}

// Sample rows and header rows are not searched for keys. A row whose first
// cell is still a possible sample number at the end of this piece has nothing
// but blanks and digits in its field, so no key either way.
void ExportRecord::start(std::string_view piece) {
  if (table_) {
    cells_.begin(*table_, first_row_pending_);
    cells_.feed(piece);
    if (cells_.sample_row()) {
      kind_ = Kind::sample_row;
      return;
    }
  }
  const std::string_view head = text_at(piece, 0, kMaxFieldLength);
  if (const std::optional<HeaderOpening> opening = header_opening(head)) {
    titles_.emplace(*opening);
    titles_->feed(piece);
  }
  find_keyed(dates_, words::kDatesKey, head, piece);
  find_keyed(times_, words::kTimesKey, head, piece);
}

void ExportRecord::end() {
  if (!started_) start({});
  if (kind_ == Kind::sample_row) {
    cells_.end();
    if (!cells_.sample_row()) kind_ = Kind::other;
    return;
  }
  if (titles_) {
    if (const std::optional<TableLayout> layout = titles_->end()) {
      kind_ = Kind::table_header;
      layout_ = *layout;
    }
  }
  if (dates_.rest) dates_.rest->end();
  if (times_.rest) times_.rest->end();
}

LineSink ExportRecord::sink() {
  return {[](void* context, std::string_view piece) {
            static_cast<ExportRecord*>(context)->feed(piece);
          },
          this};
}

}  // namespace vortelin
