import datetime
import unittest

import dataset
import generator

REFERENCES = [
    # (records, member, referenced list)
    ("tasks", "projectId", "projects"),
    ("tasks", "billingTypeId", "billingTypes"),
    ("projects", "customerId", "customers"),
    ("timeRecords", "taskId", "tasks"),
    ("timeRecords", "userId", "users"),
    ("leaveRecords", "typeId", "leaveTypes"),
    ("leaveRecords", "userId", "users"),
]


def dangling(content):
    """References that point at nothing, as (records, member, id)."""
    found = []
    for records, member, target in REFERENCES:
        known = {item["id"] for item in content[target]}
        found += [(records, member, r[member]) for r in content[records]
                  if r[member] not in known]
    return found


class DemoCompanyTest(unittest.TestCase):
    def test_every_reference_resolves(self):
        self.assertEqual(dangling(dataset.load_file("demo")), [])

    def test_relative_dates_move_the_latest_record_into_this_week(self):
        content = dataset.load_file("demo")
        today = datetime.date(2027, 3, 17)  # a Wednesday
        weeks = dataset.weeks_to_today(content, today)
        data = dataset.DataSet(content, shift_weeks=weeks)
        moved = 7 * weeks
        start = datetime.date(2026, 11, 30) + datetime.timedelta(moved)
        self.assertEqual(start, datetime.date(2027, 3, 15))  # still a Monday
        self.assertEqual(data.users_with_time(start, start),
                         [7, 15, 21, 23, 26])


class GeneratorTest(unittest.TestCase):
    def test_same_seed_same_company_other_seed_other_company(self):
        first = generator.generate(users=20, days=5, entries=3, seed=4)
        self.assertEqual(first, generator.generate(users=20, days=5,
                                                   entries=3, seed=4))
        self.assertNotEqual(first, generator.generate(users=20, days=5,
                                                      entries=3, seed=5))

    def test_size_and_consistency(self):
        content = generator.generate(**generator.parse_settings(
            "users=30,days=7,entries=2,seed=9"))
        self.assertEqual(len(content["users"]), 30)
        self.assertEqual(len(content["timeRecords"]), 30 * 7 * 2)
        self.assertEqual(dangling(content), [])
        self.assertEqual(content["users"][0]["duplicates"], [2])

    def test_settings_text(self):
        self.assertEqual(generator.parse_settings("users=5"),
                         dict(generator.DEFAULTS, users=5))
        for text in ["colour=5", "users=many"]:
            with self.subTest(text=text), self.assertRaises(ValueError):
                generator.parse_settings(text)


if __name__ == "__main__":
    unittest.main()
