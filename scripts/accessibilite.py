# Prints the accessibility tree of the running program and the controls left without a name.
import pyatspi, sys, time
desk = pyatspi.Registry.getDesktop(0)
app = None
for _ in range(40):
    for a in desk:
        if a and a.name and 'vimbral' in a.name.lower():
            app = a
    if app: break
    time.sleep(0.5)
if not app:
    print("no app; apps:", [a.name for a in desk if a]); sys.exit(1)
count=0; unnamed=[]
def walk(n, depth=0):
    global count
    for c in n:
        if c is None: continue
        count+=1
        role=c.getRoleName()
        if depth<=3 and role not in ('filler',):
            print('  '*depth + f'{role}: "{c.name}"')
        if not c.name and role in ('push button','check box','radio button','text','list','combo box','tree table','label','slider','tree','table'):
            unnamed.append(role)
        if depth<3 and role not in ('tree','tree table','list','table','combo box'): walk(c, depth+1)
walk(app)
print("nodes", count, "unnamed interactive:", unnamed)
