#pragma once
// The simulated IPAT information service without HTTP: answers one form
// post with a page, and tells the truth behind the pages. Thread-safe.
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "server/SimDay.h"

namespace vorpa::sim {

using TFormFields = std::map<std::string, std::string>;

// "g=Den01&s=...": the fields of a form body, values taken as they are.
// False when a part has no "=" or a name is empty.
bool ParseFormBody(const std::string& body, TFormFields* fields);

class TSimService {
 public:
  // `inetIds` empty: every non-empty INET ID may log in.
  TSimService(uint64_t seed, std::vector<std::string> inetIds, std::vector<TCancelFrom> cancels = {});

  // The page (UTF-8 HTML) for a form post at the clock value `now`.
  std::string Answer(const TFormFields& fields, double now);
  // The truth at `now` as UTF-8 JSON; a meeting code and race number > 0
  // narrow it to one race ("" when there is no such race).
  std::string Truth(double now, const std::string& code = "", int race = 0);

  // The day being simulated at `now` (generated once per date): the
  // meeting date of the clock, which moves to the next day after 19:20 as
  // the program's does, so a login in the evening sees the next day's
  // meetings on their pre-sale.
  std::shared_ptr<const TSimDay> DayAt(double now);

 private:
  std::string Login(const TFormFields& fields, const TSimDay& day, double now);
  std::string RacePage(const std::string& page, const TFormFields& fields, const TSimDay& day,
                       double now);

  uint64_t seed_;
  std::vector<std::string> inetIds_;
  std::vector<TCancelFrom> cancels_;
  std::mutex mutex_;
  std::set<std::string> keys_;
  uint64_t logins_ = 0;
  std::shared_ptr<const TSimDay> day_;
};

}  // namespace vorpa::sim
