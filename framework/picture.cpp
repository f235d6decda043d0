#include "framework/picture.h"

#include <string>

#include "framework/class_builder.h"

namespace kestrova::framework {

const ClassInfo& TPicture::StaticClass() {
  static const ClassInfo info = ClassBuilder<TPicture>("TPicture", &TPersistent::StaticClass())
                                    .Binary("Data", &TPicture::Data, &TPicture::SetData)
                                    .StoredWhen([](const TPicture& p) { return !p.Empty(); })
                                    .Build();
  return info;
}

void TPicture::Assign(const TPersistent& source) {
  if (auto* p = dynamic_cast<const TPicture*>(&source)) return bitmap_.Assign(p->bitmap_);
  if (auto* b = dynamic_cast<const TBitmap*>(&source)) return bitmap_.Assign(*b);
  TPersistent::Assign(source);
}

std::vector<uint8_t> TPicture::Data() const {
  if (Empty()) return {};
  std::vector<uint8_t> out = {7, 'T', 'B', 'i', 't', 'm', 'a', 'p'};
  std::vector<uint8_t> bmp = bitmap_.SaveToBmp();
  out.insert(out.end(), bmp.begin(), bmp.end());
  return out;
}

void TPicture::SetData(const std::vector<uint8_t>& data) {
  if (data.empty()) return bitmap_.Clear();
  size_t n = data[0];
  if (data.size() < 1 + n) throw Error("Picture data is truncated");
  std::string cls(data.begin() + 1, data.begin() + 1 + long(n));
  if (cls != "TBitmap") throw Error("Unsupported picture class " + cls);
  bitmap_.SetData({data.begin() + 1 + long(n), data.end()});
}

}  // namespace kestrova::framework
