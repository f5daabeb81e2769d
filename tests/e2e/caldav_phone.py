"""A phone's calendar app writing to a calendar collection through python3-caldav.

caldav_phone.py URL USER PASSWORD RENAME-FROM RENAME-TO DELETE: renames the event whose SUMMARY
is RENAME-FROM, deletes the one whose SUMMARY is DELETE, and adds a yearly all-day event, a timed
event and a monthly all-day event.
"""
import sys

import caldav

url, user, password, old_name, new_name, deleted = sys.argv[1:7]
calendar = caldav.DAVClient(url, username=user, password=password).calendar(url=url)
for event in calendar.events():
    text = event.data.replace("\r\n", "\n")
    if "\nSUMMARY:" + deleted + "\n" in text:
        event.delete()
    elif "\nSUMMARY:" + old_name + "\n" in text:
        event.data = text.replace("\nSUMMARY:" + old_name + "\n", "\nSUMMARY:" + new_name + "\n")
        event.save()


def add(uid, lines):
    calendar.save_event("BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//phone//EN\nBEGIN:VEVENT\nUID:" + uid
                        + "\nDTSTAMP:20260101T000000Z\n" + lines + "END:VEVENT\nEND:VCALENDAR\n")


add("phone-yearly", "SUMMARY:С телефона\nDTSTART;VALUE=DATE:20000707\nRRULE:FREQ=YEARLY\n")
add("phone-timed", "SUMMARY:Встреча\nDTSTART:20260601T100000Z\nDTEND:20260601T110000Z\n")
add("phone-monthly", "SUMMARY:Ежемесячно\nDTSTART;VALUE=DATE:20260603\nRRULE:FREQ=MONTHLY\n")
